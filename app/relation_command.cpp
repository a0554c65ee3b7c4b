// The centre person is read from the chart's marked node: the chart marks
// every node whose name is the centre name, and a name finds the first
// person of that name, as the chart found its centre.
#include "app/relation_command.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QTreeWidgetItemIterator>

#include "app/chart_tree_widget.h"
#include "app/command_tool_bar.h"
#include "app/family_session.h"
#include "app/main_window.h"
#include "windows/relation_dialog.h"

namespace kinmora {

RelationCommand::RelationCommand(MainWindow& main) : QObject(&main), m_main(main) {
    QMenu* menu = main.toolBar()->moreMenu();
    menu->addSeparator();
    m_action = menu->addAction(QStringLiteral("เป็นอะไรกัน"));
    m_action->setObjectName(QStringLiteral("relation"));
    m_action->setEnabled(false);
    connect(menu, &QMenu::aboutToShow, this, [this] {
        m_action->setEnabled(FamilySession::instance().isOpen() &&
                             m_main.chartTree()->topLevelItemCount() > 0);
    });
    connect(m_action, &QAction::triggered, this, &RelationCommand::run);
}

QString RelationCommand::centreName() const {
    for (QTreeWidgetItemIterator it(m_main.chartTree()); *it; ++it) {
        const QString image = (*it)->data(0, ChartTreeWidget::kImageRole).toString();
        if (image == QLatin1String("cmale") || image == QLatin1String("cfemale"))
            return (*it)->text(0);
    }
    return {};
}

const FamilyGraph& RelationCommand::graph() {
    FamilySession& state = FamilySession::instance();
    if (!m_graph || m_graphOpenCount != state.openCount()) {
        m_graph.reset();
        m_graph = FamilyGraph::read(state.database());
        m_graphOpenCount = state.openCount();
    }
    return *m_graph;
}

void RelationCommand::run() {
    FamilySession& state = FamilySession::instance();
    const QTreeWidgetItem* selected = m_main.chartTree()->currentItem();
    const QString centre = centreName();
    const auto say = [this, &state](const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, state.title, text, QMessageBox::Ok, &m_main);
        box.exec();
    };
    if (!state.isOpen() || centre.isEmpty()) return;
    if (!selected || !ChartTreeWidget::isPerson(selected)) {
        say(QStringLiteral("โปรดเลือกบุคคลในผังก่อน"));
        return;
    }
    const QString name = selected->text(0);
    try {
        m_main.setBusy(true);
        const FamilyGraph& family = graph();
        const auto a = family.named(state.persons(), centre);
        const auto b = family.named(state.persons(), name);
        m_main.setBusy(false);
        if (!a || !b) {
            say(QStringLiteral("NOT FOUND"));
            return;
        }
        RelationDialog dialog(&m_main, family, *a, *b);
        dialog.exec();
    } catch (const std::exception& error) {
        m_main.setBusy(false);
        QMessageBox box(QMessageBox::Warning, state.title,
                        QStringLiteral("บอกความเป็นญาติของ \"%1\" ไม่ได้").arg(name), QMessageBox::Ok,
                        &m_main);
        box.setInformativeText(QString::fromUtf8(error.what()));
        box.exec();
    }
}

}  // namespace kinmora
