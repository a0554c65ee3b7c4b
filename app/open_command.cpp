// A file that cannot be read brings the open window back where it was, so
// that the user may pick another.
#include "app/open_command.h"

#include <QAction>

#include "app/main_window.h"
#include "app/tool_bar_icons.h"
#include "windows/open_family_dialog.h"

namespace kinmora {

OpenCommand::OpenCommand(MainWindow& window)
    : Command(window, QStringLiteral("open"), QStringLiteral("เปิด")) {
    action()->setIcon(ToolBarIcons::icon(1));
    action()->setToolTip(QStringLiteral("เปิดแฟ้มข้อมูล"));
}

bool OpenCommand::isAvailable() const {
    return true;
}

void OpenCommand::run() {
    ask(QString(), QString());
}

void OpenCommand::ask(const QString& folder, const QString& file) {
    OpenFamilyDialog dialog(&m_window);
    if (!folder.isEmpty() && dialog.setFolder(folder)) dialog.selectFile(file);
    if (dialog.exec() != QDialog::Accepted) return;
    m_window.openFile(dialog.chosenPath(), [this, folder = dialog.folder(),
                                            file = dialog.selectedFile()] { ask(folder, file); });
}

}  // namespace kinmora
