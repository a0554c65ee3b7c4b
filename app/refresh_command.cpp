// The node's text is a person's name, which finds the person again.
#include "app/refresh_command.h"

#include <QAction>

#include "app/family_session.h"
#include "app/main_window.h"
#include "app/tool_bar_icons.h"

namespace kinmora {

RefreshCommand::RefreshCommand(MainWindow& window)
    : Command(window, QStringLiteral("refresh"), QStringLiteral("ปรับปรุง")) {
    action()->setIcon(ToolBarIcons::icon(3));
    action()->setToolTip(QStringLiteral("ปรับปรุงผังจากตัวเลือก"));
}

bool RefreshCommand::isAvailable() const {
    return m_window.refreshOffered();
}

void RefreshCommand::run() {
    const std::optional<QString> name = m_window.selectedName();
    if (!name) return;
    m_window.session().setPickedName(*name);
    m_window.showChart(*name);
}

}  // namespace kinmora
