// Reading again goes the same way as opening: beside the window, with
// progress and cancel, and nothing changes unless it worked.
#include "app/code_page_command.h"

#include <QAction>

#include "app/family_session.h"
#include "app/main_window.h"
#include "windows/code_page_setting.h"

namespace kinmora {

CodePageCommand::CodePageCommand(MainWindow& window, int codePage, const QString& caption)
    : Command(window, QStringLiteral("code-page-%1").arg(codePage), caption), m_codePage(codePage) {
    action()->setCheckable(true);
}

bool CodePageCommand::isAvailable() const {
    const FamilySession& session = m_window.session();
    // The check mark follows the file's remembered choice whenever the
    // window asks again.
    action()->setChecked(session.isOpen() &&
                         code_page_setting::remembered(session.filePath()) == m_codePage);
    return session.isOpen();
}

void CodePageCommand::run() {
    action()->setChecked(false);
    m_window.readAgain(m_codePage, action()->text());
}

}  // namespace kinmora
