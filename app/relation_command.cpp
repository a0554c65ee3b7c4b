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
#include "app/frm_main.h"
#include "app/module1.h"
#include "windows/frm_relation.h"

namespace kinmora {

RelationCommand::RelationCommand(frm_main& main) : QObject(&main), m_main(main) {
    QMenu* menu = main.Toolbar1()->moreMenu();
    menu->addSeparator();
    m_action = menu->addAction(QStringLiteral("เป็นอะไรกัน"));
    m_action->setObjectName(QStringLiteral("relation"));
    m_action->setEnabled(false);
    connect(menu, &QMenu::aboutToShow, this, [this] {
        m_action->setEnabled(Module1::instance().isOpen() &&
                             m_main.TreeView1()->topLevelItemCount() > 0);
    });
    connect(m_action, &QAction::triggered, this, &RelationCommand::run);
}

QString RelationCommand::centreName() const {
    for (QTreeWidgetItemIterator it(m_main.TreeView1()); *it; ++it) {
        const QString image = (*it)->data(0, ChartTreeWidget::kImageRole).toString();
        if (image == QLatin1String("cmale") || image == QLatin1String("cfemale"))
            return (*it)->text(0);
    }
    return {};
}

const FamilyGraph& RelationCommand::graph() {
    Module1& state = Module1::instance();
    if (!m_graph || m_graphOpenCount != state.openCount()) {
        m_graph.reset();
        m_graph = FamilyGraph::read(state.database());
        m_graphOpenCount = state.openCount();
    }
    return *m_graph;
}

void RelationCommand::run() {
    Module1& state = Module1::instance();
    const QTreeWidgetItem* selected = m_main.TreeView1()->currentItem();
    const QString centre = centreName();
    const auto say = [this, &state](const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, state.prog_title, text, QMessageBox::Ok, &m_main);
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
        const auto a = family.named(state.rs_family(), centre);
        const auto b = family.named(state.rs_family(), name);
        m_main.setBusy(false);
        if (!a || !b) {
            say(QStringLiteral("NOT FOUND"));
            return;
        }
        frm_relation dialog(&m_main, family, *a, *b);
        dialog.exec();
    } catch (const std::exception& error) {
        m_main.setBusy(false);
        QMessageBox box(QMessageBox::Warning, state.prog_title,
                        QStringLiteral("บอกความเป็นญาติของ \"%1\" ไม่ได้").arg(name), QMessageBox::Ok,
                        &m_main);
        box.setInformativeText(QString::fromUtf8(error.what()));
        box.exec();
    }
}

}  // namespace kinmora
