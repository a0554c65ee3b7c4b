// Paths are shown as the system writes them, one a line.
#include "windows/saved_message.h"

#include <QDir>

#include "windows/titled_message_box.h"

namespace kinmora {

void SavedMessage::exec(QWidget* parent, const QString& title, const QString& what,
                        const QStringList& files) {
    QStringList shown;
    for (const QString& file : files) shown << QDir::toNativeSeparators(file);
    TitledMessageBox box(QMessageBox::Information, title, what, QMessageBox::Ok, parent);
    box.setInformativeText((files.size() > 1 ? QStringLiteral("แฟ้ม:\n") : QStringLiteral("แฟ้ม: ")) +
                           shown.join(QLatin1Char('\n')));
    box.exec();
}

}  // namespace kinmora
