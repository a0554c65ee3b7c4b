// The chart tree: the family chart on screen, its nodes looked up by key and
// pictured from NodeIcons.
#pragma once

#include <QHash>
#include <QString>
#include <QTreeWidget>

#include "chart/chart_node.h"
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
    void scrollToLastVisible();

    NodeIndex<QTreeWidgetItem*> m_items;
    QString m_lastVisible;
    bool m_scrollPending = false;
};

}  // namespace kinmora
