// The window finds the person by name in the session's record set.
#include "app/particulars_command.h"

#include <QAction>

#include "app/family_session.h"
#include "app/main_window.h"
#include "app/tool_bar_icons.h"
#include "windows/particulars_dialog.h"

namespace kinmora {

ParticularsCommand::ParticularsCommand(MainWindow& window)
    : Command(window, QStringLiteral("note"), QStringLiteral("ข้อมูล")) {
    action()->setIcon(ToolBarIcons::icon(4));
    action()->setToolTip(QStringLiteral("ข้อมูลส่วนบุคคล"));
}

bool ParticularsCommand::isAvailable() const {
    return m_window.noteOffered();
}

void ParticularsCommand::run() {
    m_window.setBusy(true);
    // With no node selected the window shows the person picked last time.
    showFor(m_window.selectedName().value_or(m_window.session().pickedName()));
}

void ParticularsCommand::showFor(const QString& name) {
    FamilySession& session = m_window.session();
    session.setPickedName(name);
    ParticularsDialog::showModal(&m_window, session.isOpen() ? &session.persons() : nullptr, name);
}

}  // namespace kinmora
