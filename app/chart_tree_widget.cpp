// A chart can hold some 30,000 nodes, so adding one must stay cheap: items
// are filled before they join the tree, rows have one height, and scrolling
// waits until the build is over.
#include "app/chart_tree_widget.h"

#include <QMouseEvent>

#include "app/node_icons.h"

namespace kinmora {

ChartTreeWidget::ChartTreeWidget(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("chartTree"));
    setColumnCount(1);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setIconSize(QSize(14, 12));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void ChartTreeWidget::clearNodes() {
    m_items.clear();
    m_lastVisible.clear();
    clear();
}

void ChartTreeWidget::addNode(const ChartNode& node) {
    QTreeWidgetItem* parent = m_items.parentOf(node);

    // Filled before it joins the tree, so the view hears of it only once.
    auto* item = new QTreeWidgetItem(QStringList{node.text});
    item->setIcon(0, NodeIcons::icon(node.image));
    item->setData(0, kKeyRole, node.key);
    item->setData(0, kImageRole, node.image);
    item->setData(0, kKindRole, static_cast<int>(node.kind));
    parent ? parent->addChild(item) : addTopLevelItem(item);
    m_items.insert(node.key, item);
}

bool ChartTreeWidget::isPerson(const QTreeWidgetItem* item) {
    ChartNode node;
    node.kind = static_cast<ChartNode::Kind>(item->data(0, kKindRole).toInt());
    return node.isPerson();
}

void ChartTreeWidget::makeVisible(const QString& key) {
    QTreeWidgetItem* item = m_items.value(key);
    if (!item) return;
    for (QTreeWidgetItem* up = item->parent(); up; up = up->parent()) up->setExpanded(true);
    m_lastVisible = key;
    if (!m_scrollPending) {
        m_scrollPending = true;
        QMetaObject::invokeMethod(this, &ChartTreeWidget::scrollToLastVisible,
                                  Qt::QueuedConnection);
    }
}

void ChartTreeWidget::scrollToLastVisible() {
    m_scrollPending = false;
    if (QTreeWidgetItem* item = m_items.value(m_lastVisible)) scrollToItem(item);
}

void ChartTreeWidget::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(event->button());
    // The right button shows the person of the selected node, wherever the
    // pointer is, so the press must not move the selection.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

}  // namespace kinmora
