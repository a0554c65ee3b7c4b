// The work reads the family file afresh by its path, in the code page it is
// shown in, so that the exported names are the ones on screen and the
// window's record sets stay with the window.
#include "app/export_command.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "app/background_job.h"
#include "app/family_session.h"
#include "app/job_runner.h"
#include "app/main_window.h"
#include "export/export_progress.h"
#include "windows/code_page_setting.h"
#include "windows/failure_message.h"
#include "windows/program.h"

namespace kinmora {

ExportCommand::ExportCommand(MainWindow& window, const QString& key, const QString& caption)
    : Command(window, key, caption) {}

bool ExportCommand::isAvailable() const {
    return m_window.session().isOpen();
}

QString ExportCommand::proposedPath(const QString& suffix) const {
    const QFileInfo family(m_window.session().filePath());
    return family.dir().filePath(family.completeBaseName() + suffix);
}

void ExportCommand::start(const QString& label, const QString& done, Work work) {
    if (!m_window.session().isOpen()) return;
    const QString source = m_window.session().filePath();
    ReadOptions options;
    options.codePage = code_page_setting::remembered(source);
    const bool started = m_window.jobs().run(
        [source, options, label, work = std::move(work)](JobControl& control) {
            control.report(label);
            work(source, options, [&](qint64 finished, qint64 total) {
                if (total > 0)
                    control.report(QStringLiteral("%1 %2%").arg(label).arg(finished * 100 / total));
                return !control.cancelled();
            });
        },
        [this, done](BackgroundJob& job) {
            if (job.wasCancelled()) {
                emit exportFinished(QStringLiteral("cancelled"));
                return;
            }
            if (job.failure()) {
                const QString reason = reasonOf(job.failure());
                emit exportFinished(reason);
                showFailure(&m_window, QStringLiteral("บันทึกไม่สำเร็จ"), reason);
                return;
            }
            emit exportFinished(QString());
            QMessageBox box(QMessageBox::Information, program::title(), done, QMessageBox::Ok,
                            &m_window);
            box.exec();
        });
    if (!started) emit exportFinished(QStringLiteral("busy"));
}

}  // namespace kinmora
