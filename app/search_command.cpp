// The hits are found beside the window; the busy cursor stays from the
// prompt's answer until the chart of the picked person is shown or the
// search ends without one.
#include "app/search_command.h"

#include <QAction>
#include <QDir>
#include <QInputDialog>
#include <memory>

#include "app/background_job.h"
#include "app/family_session.h"
#include "app/job_runner.h"
#include "app/main_window.h"
#include "app/tool_bar_icons.h"
#include "data/name_search.h"
#include "windows/failure_message.h"
#include "windows/search_results_dialog.h"

namespace kinmora {

SearchCommand::SearchCommand(MainWindow& window)
    : Command(window, QStringLiteral("Search"), QStringLiteral("ค้นหา")) {
    action()->setIcon(ToolBarIcons::icon(2));
    action()->setToolTip(QStringLiteral("ค้นข้อความจากชื่อ-สกุล"));
}

bool SearchCommand::isAvailable() const {
    return m_window.session().isOpen();
}

void SearchCommand::run() {
    FamilySession& session = m_window.session();
    if (!session.isOpen()) return;
    // A cancelled prompt gives an empty text, which is also what is offered next time.
    session.setLastSearch(QInputDialog::getText(&m_window, QStringLiteral("สืบค้น"),
                                                QStringLiteral("ข้อความ :"), QLineEdit::Normal,
                                                session.lastSearch()));
    const QString text = session.lastSearch();
    if (text.isEmpty()) return;
    m_window.setBusy(true);
    m_window.withdrawRefresh();
    RecordSet* persons = &session.persons();
    auto hits = std::make_shared<QStringList>();
    const bool started = m_window.jobs().run(
        [persons, text, hits](JobControl&) { *hits = searchHits(*persons, text); },
        [this, hits, text](BackgroundJob& job) {
            if (job.wasCancelled()) {
                m_window.setBusy(false);
            } else if (job.failure()) {
                m_window.setBusy(false);
                showFailure(&m_window, QStringLiteral("ค้นข้อความ \"%1\" ไม่ได้").arg(text),
                            QDir::toNativeSeparators(m_window.session().filePath()) +
                                QStringLiteral("\n\n") + reasonOf(job.failure()));
            } else {
                showHits(*hits);
            }
        });
    if (!started) m_window.setBusy(false);
}

void SearchCommand::showHits(const QStringList& hits) {
    if (hits.isEmpty()) {
        m_window.showNotFound();
        m_window.setBusy(false);
        return;
    }
    SearchResultsDialog dialog(&m_window, hits);
    if (dialog.exec() != QDialog::Accepted || !m_window.showChart(dialog.pickedName()))
        m_window.setBusy(false);
}

}  // namespace kinmora
