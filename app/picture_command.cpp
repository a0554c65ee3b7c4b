// The picture is drawn from the chart as the window shows it: built again
// around the same person on the same side, which gives the same nodes. The
// side selector may have changed since; it takes effect only at the next build.
#include "app/picture_command.h"

#include <QAction>
#include <QDir>
#include <stdexcept>

#include "app/background_chart_view.h"
#include "app/background_job.h"
#include "app/family_session.h"
#include "app/job_runner.h"
#include "app/main_window.h"
#include "chart/chart_builder.h"
#include "chart/chart_tree.h"
#include "picture/chart_picture.h"
#include "picture/person_facts.h"
#include "picture/picture_error.h"
#include "windows/failure_message.h"

namespace kinmora {

PictureCommand::PictureCommand(MainWindow& window, const QString& key, const QString& caption)
    : Command(window, key, caption) {}

bool PictureCommand::isAvailable() const {
    return m_window.shownChart().has_value() && m_window.session().isOpen();
}

void PictureCommand::withPicture(Use use, std::function<void()> after, const QString& failed,
                                 LivingDetails living) {
    const auto& shown = m_window.shownChart();
    if (!shown || !m_window.session().isOpen()) return;
    FamilyDatabase* database = &m_window.session().database();
    const MainWindow::ShownChart chart = *shown;
    m_window.setBusy(true);
    const bool started = m_window.jobs().run(
        [database, chart, living, use = std::move(use)](JobControl& control) {
            ChartTree tree;
            BackgroundChartView view(tree, control);
            if (ChartBuilder(*database, view).build(chart.centre, chart.side) !=
                ChartBuilder::Outcome::Built)
                throw PictureError("nobody in the file has the chart's name any more");
            control.report(QStringLiteral("กำลังวาดผัง…"));
            const ChartPicture picture = ChartPicture::layOut(
                tree, PersonFacts::load(*database, LivingRule(living, QDate::currentDate())),
                {chart.side});
            if (control.cancelled()) throw ChartCancelled();
            use(picture, control);
        },
        [this, after = std::move(after), failed](BackgroundJob& job) {
            m_window.setBusy(false);
            const bool done = !job.failure() && !job.wasCancelled();
            if (job.failure() && !job.wasCancelled())
                showFailure(&m_window, failed, job.failure(), m_window.session().filePath());
            if (done && after) after();
            emit finished(done);
        });
    if (!started) m_window.setBusy(false);
}

}  // namespace kinmora
