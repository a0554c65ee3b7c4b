// The centre person is read from the chart's marked node: the chart marks
// every node whose name is the centre name, and a name finds the first
// person of that name, as the chart found its centre.
#include "app/relation_command.h"

#include <QAction>
#include <QDir>
#include <QMessageBox>

#include "app/background_job.h"
#include "app/chart_tree_widget.h"
#include "app/family_session.h"
#include "app/job_runner.h"
#include "app/main_window.h"
#include "windows/failure_message.h"
#include "windows/program.h"
#include "windows/relation_dialog.h"
#include "windows/titled_message_box.h"

namespace kinmora {

RelationCommand::RelationCommand(MainWindow& window)
    : Command(window, QStringLiteral("relation"), QStringLiteral("เป็นอะไรกัน…")) {
    connect(&window.session(), &FamilySession::fileChanged, this, [this] { m_graph.reset(); });
}

bool RelationCommand::isAvailable() const {
    return m_window.session().isOpen() && m_window.chartTree()->topLevelItemCount() > 0;
}

void RelationCommand::run() {
    const QString centre = m_window.chartTree()->centreName();
    const QTreeWidgetItem* selected = m_window.chartTree()->currentItem();
    if (!m_window.session().isOpen() || centre.isEmpty()) return;
    if (!selected || !ChartTreeWidget::isPerson(selected)) {
        TitledMessageBox box(QMessageBox::NoIcon, program::title(),
                             QStringLiteral("โปรดเลือกบุคคลในผังก่อน"), QMessageBox::Ok, &m_window);
        box.exec();
        return;
    }
    const QString name = selected->text(0);
    if (m_graph) {
        ask(centre, name);
        return;
    }
    FamilyDatabase* database = &m_window.session().database();
    auto graph = std::make_shared<std::shared_ptr<const FamilyGraph>>();
    m_window.setBusy(true);
    const bool started = m_window.jobs().run(
        [database, graph](JobControl& control) {
            control.report(QStringLiteral("กำลังอ่านความเป็นญาติ…"));
            *graph = std::make_shared<const FamilyGraph>(FamilyGraph::read(*database));
        },
        [this, graph, centre, name](BackgroundJob& job) {
            m_window.setBusy(false);
            if (job.wasCancelled()) return;
            if (job.failure()) {
                showFailure(&m_window, QStringLiteral("บอกความเป็นญาติของ \"%1\" ไม่ได้").arg(name),
                            job.failure(), m_window.session().filePath());
                return;
            }
            m_graph = *graph;
            ask(centre, name);
        });
    if (!started) m_window.setBusy(false);
}

void RelationCommand::ask(const QString& centre, const QString& name) {
    FamilySession& session = m_window.session();
    try {
        const auto a = m_graph->named(session.persons(), centre);
        const auto b = m_graph->named(session.persons(), name);
        if (!a || !b) {
            m_window.showNotFound();
            return;
        }
        // The dialog keeps the graph it was given until it closes.
        const std::shared_ptr<const FamilyGraph> graph = m_graph;
        RelationDialog dialog(&m_window, *graph, *a, *b);
        dialog.exec();
    } catch (...) {
        showFailure(&m_window, QStringLiteral("บอกความเป็นญาติของ \"%1\" ไม่ได้").arg(name),
                    std::current_exception(), session.filePath());
    }
}

}  // namespace kinmora
