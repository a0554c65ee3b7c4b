// The chart tree: the family chart on screen, its nodes looked up by key and
// pictured from NodeIcons.
#pragma once

#include <QHash>
#include <QString>
#include <QTreeWidget>
#include <functional>
#include <memory>
#include <vector>

#include "chart/chart_node.h"
#include "chart/chart_tree.h"
#include "chart/node_index.h"

namespace kinmora {

class ChartTreeWidget : public QTreeWidget {
    Q_OBJECT

public:
    // Item data holding a node's key, its image key and its ChartNode::Kind.
    static constexpr int kKeyRole = Qt::UserRole;
    static constexpr int kImageRole = Qt::UserRole + 1;
    static constexpr int kKindRole = Qt::UserRole + 2;

    explicit ChartTreeWidget(QWidget* parent = nullptr);
    ~ChartTreeWidget() override;

    // Removes every node; no node is selected afterwards.
    void clearNodes();
    // Adds `node`, collapsed, as the last child of the node keyed
    // node.parentKey (top level when that is empty). Throws
    // std::logic_error when the parent key is unknown or the key is taken.
    void addNode(const ChartNode& node);
    // Expands every ancestor of the node keyed `key` (unknown keys are
    // ignored). The last node made visible is scrolled into view once the
    // event loop runs again, so a long build scrolls only once.
    void makeVisible(const QString& key);
    // Shows the nodes of `tree` in place of the chart shown, `rows` being
    // its rows in display order, the nodes it expanded open and its last
    // visible node scrolled into view. A large chart is filled a slice at a
    // time, so that the window keeps answering; `filled` runs once it is whole.
    void fill(std::shared_ptr<const ChartTree> tree, std::vector<ChartTree::Row> rows,
              std::function<void()> filled);
    // Whether a fill is under way.
    bool isFilling() const { return m_filling != nullptr; }
    // The name on the chart's centre mark; empty when no chart is shown.
    QString centreName() const;
    // The node keyed `key`, or null.
    QTreeWidgetItem* node(const QString& key) const { return m_items.value(key); }
    // Whether `item` stands for somebody (see ChartNode::isPerson).
    static bool isPerson(const QTreeWidgetItem* item);

signals:
    // MouseDown: a mouse button was pressed over the tree. A right press
    // leaves the selection as it was.
    void mouseDown(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Filling;
    void fillSlice();
    static QTreeWidgetItem* itemFor(const ChartNode& node);

    void scrollToLastVisible();

    NodeIndex<QTreeWidgetItem*> m_items;
    QString m_lastVisible;
    bool m_scrollPending = false;
    std::unique_ptr<Filling> m_filling;
};

}  // namespace kinmora
