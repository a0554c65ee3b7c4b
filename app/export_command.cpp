// The work reads the family file afresh by its path, in the code page it is
// shown in, so that the exported names are the ones on screen and the
// window's record sets stay with the window.
#include "app/export_command.h"

#include <QDir>
#include <QFileInfo>

#include "app/background_job.h"
#include "app/family_session.h"
#include "app/job_runner.h"
#include "app/main_window.h"
#include "export/export_progress.h"
#include "windows/code_page_setting.h"
#include "windows/failure_message.h"
#include "windows/program.h"
#include "windows/saved_message.h"

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

void ExportCommand::start(const QString& label, const QString& done, const QStringList& files,
                          Work work) {
    if (!m_window.session().isOpen()) return;
    const QString source = m_window.session().filePath();
    ReadOptions options;
    options.codePage = code_page_setting::remembered(source);
    options.password = m_window.session().password();
    const bool started = m_window.jobs().run(
        [source, options, label, work = std::move(work)](JobControl& control) {
            control.report(label);
            work(source, options, [&](qint64 finished, qint64 total) {
                if (total > 0)
                    control.report(QStringLiteral("%1 %2%").arg(label).arg(finished * 100 / total));
                return !control.cancelled();
            });
        },
        [this, done, files](BackgroundJob& job) {
            if (job.wasCancelled()) {
                emit exportFinished(QStringLiteral("cancelled"));
                return;
            }
            if (job.failure()) {
                QString reason;
                try {
                    std::rethrow_exception(job.failure());
                } catch (const std::exception& error) {
                    reason = QString::fromUtf8(error.what());
                }
                emit exportFinished(reason);
                FailureMessage(QStringLiteral("บันทึกไม่สำเร็จ"),
                               QStringLiteral("เขียนแฟ้มไม่ได้ หรืออ่านแฟ้มข้อมูลไม่ได้"))
                    .file(files.join(QStringLiteral(", ")))
                    .detail(reason)
                    .exec(&m_window, program::title());
                return;
            }
            emit exportFinished(QString());
            SavedMessage::exec(&m_window, program::title(), done, files);
        });
    if (!started) emit exportFinished(QStringLiteral("busy"));
}

}  // namespace kinmora
