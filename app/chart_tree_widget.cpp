// A chart can hold some 30,000 nodes, so adding one must stay cheap: items
// are filled before they join the tree, rows have one height, and scrolling
// waits until the build is over. A whole chart is made into items a slice of
// a few milliseconds at a time, apart from the tree, and joins it at once.
#include "app/chart_tree_widget.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTreeWidgetItemIterator>

#include "app/node_icons.h"

namespace kinmora {

namespace {

constexpr qint64 kSliceNs = 8'000'000;

}  // namespace

// A fill under way: the items made so far, apart from the tree.
struct ChartTreeWidget::Filling {
    std::shared_ptr<const ChartTree> tree;
    std::vector<ChartTree::Row> rows;
    std::function<void()> filled;
    std::size_t next = 0;          // the next row to make an item of
    std::size_t nextExpanded = 0;  // once joined: the next item to open
    bool joined = false;
    std::vector<QTreeWidgetItem*> path;  // the last item made at each depth
    QList<QTreeWidgetItem*> top;
    std::vector<QTreeWidgetItem*> expanded;
    NodeIndex<QTreeWidgetItem*> items;
};

ChartTreeWidget::ChartTreeWidget(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("chartTree"));
    setColumnCount(1);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setIconSize(QSize(14, 12));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

ChartTreeWidget::~ChartTreeWidget() {
    clearNodes();
}

void ChartTreeWidget::clearNodes() {
    // A fill under way is dropped with the items it made.
    if (m_filling && !m_filling->joined) qDeleteAll(m_filling->top);
    m_filling.reset();
    m_items.clear();
    m_lastVisible.clear();
    clear();
}

QTreeWidgetItem* ChartTreeWidget::itemFor(const ChartNode& node) {
    // Filled before it joins the tree, so the view hears of it only once.
    auto* item = new QTreeWidgetItem(QStringList{node.text});
    item->setIcon(0, NodeIcons::icon(node.image));
    item->setData(0, kKeyRole, node.key);
    item->setData(0, kImageRole, node.image);
    item->setData(0, kKindRole, static_cast<int>(node.kind));
    return item;
}

void ChartTreeWidget::addNode(const ChartNode& node) {
    QTreeWidgetItem* parent = m_items.parentOf(node);
    QTreeWidgetItem* item = itemFor(node);
    parent ? parent->addChild(item) : addTopLevelItem(item);
    m_items.insert(node.key, item);
}

void ChartTreeWidget::fill(std::shared_ptr<const ChartTree> tree, std::vector<ChartTree::Row> rows,
                           std::function<void()> filled) {
    m_filling = std::make_unique<Filling>();
    m_filling->tree = std::move(tree);
    m_filling->rows = std::move(rows);
    m_filling->filled = std::move(filled);
    fillSlice();
}

void ChartTreeWidget::fillSlice() {
    if (!m_filling) return;
    Filling& f = *m_filling;
    QElapsedTimer slice;
    slice.start();
    while (f.next < f.rows.size() && slice.nsecsElapsed() < kSliceNs) {
        const ChartTree::Row& row = f.rows[f.next++];
        QTreeWidgetItem* item = itemFor(*row.node);
        const auto depth = static_cast<std::size_t>(row.depth);
        if (depth == 0)
            f.top.append(item);
        else
            f.path[depth - 1]->addChild(item);
        f.path.resize(depth + 1);
        f.path[depth] = item;
        if (row.expanded) f.expanded.push_back(item);
        f.items.insert(row.node->key, item);
    }
    if (f.next < f.rows.size()) {
        QMetaObject::invokeMethod(this, &ChartTreeWidget::fillSlice, Qt::QueuedConnection);
        return;
    }
    if (!f.joined) {
        m_lastVisible.clear();
        clear();
        m_items = std::move(f.items);
        addTopLevelItems(f.top);
        f.joined = true;
    }
    while (f.nextExpanded < f.expanded.size() && slice.nsecsElapsed() < kSliceNs)
        f.expanded[f.nextExpanded++]->setExpanded(true);
    if (f.nextExpanded < f.expanded.size()) {
        QMetaObject::invokeMethod(this, &ChartTreeWidget::fillSlice, Qt::QueuedConnection);
        return;
    }
    const QString last = f.tree->lastVisible();
    const std::function<void()> filled = std::move(f.filled);
    m_filling.reset();
    if (!last.isEmpty()) makeVisible(last);
    if (filled) filled();
}

QString ChartTreeWidget::centreName() const {
    for (QTreeWidgetItemIterator it(const_cast<ChartTreeWidget*>(this)); *it; ++it) {
        const QString image = (*it)->data(0, kImageRole).toString();
        if (image == QLatin1String("cmale") || image == QLatin1String("cfemale"))
            return (*it)->text(0);
    }
    return {};
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
