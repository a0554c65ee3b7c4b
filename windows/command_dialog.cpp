// Both dialogs are modal over the main window and act on it through MainWindow.
#include "windows/command_dialog.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <exception>

#include "windows/main_window.h"

namespace kinmora {

CommandDialog::CommandDialog(MainWindow& main) : QDialog(main.widget()), m_main(main) {}

void CommandDialog::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel) || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CommandDialog::rebuildChart(const QString& name) {
    try {
        m_main.calac(name);
    } catch (const std::exception& e) {
        unsetCursor();
        m_main.setBusyCursor(false);
        QMessageBox::warning(
            this, windowTitle(),
            QStringLiteral("สร้างผังของ \"%1\" ไม่ได้\n\n%2").arg(name, QString::fromUtf8(e.what())));
    }
}

}  // namespace kinmora
