// "about" is the one entry without a tooltip.
#include "app/about_command.h"

#include <QAction>

#include "app/main_window.h"
#include "app/tool_bar_icons.h"
#include "windows/about_dialog.h"

namespace kinmora {

AboutCommand::AboutCommand(MainWindow& window)
    : Command(window, QStringLiteral("about"), QStringLiteral("กถา")) {
    action()->setIcon(ToolBarIcons::icon(5));
}

bool AboutCommand::isAvailable() const {
    return true;
}

void AboutCommand::run() {
    AboutDialog::showModal(&m_window);
}

}  // namespace kinmora
