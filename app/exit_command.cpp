// Closing the window stops any work and lets the file go.
#include "app/exit_command.h"

#include <QAction>

#include "app/main_window.h"
#include "app/tool_bar_icons.h"

namespace kinmora {

ExitCommand::ExitCommand(MainWindow& window)
    : Command(window, QStringLiteral("exit"), QStringLiteral("ออก")) {
    action()->setIcon(ToolBarIcons::icon(6));
    action()->setToolTip(QStringLiteral("ออกจากโปรแกรม"));
}

bool ExitCommand::isAvailable() const {
    return true;
}

void ExitCommand::run() {
    m_window.close();
}

}  // namespace kinmora
