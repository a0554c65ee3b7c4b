// The family chart held in memory as a tree of nodes, with what the build
// expanded and the status text: the chart without a window.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "chart/chart_view.h"
#include "chart/node_index.h"

namespace kinmora {

class ChartTree : public ChartView {
public:
    void clearNodes() override;
    void addNode(const ChartNode& node) override;
    void makeVisible(const QString& key) override;
    void setStatusText(const QString& text) override { m_statusText = text; }
    void setBusy(bool busy) override { m_busy = busy; }

    // One node as it stands in display order.
    struct Row {
        int depth;  // 0 for a top-level node
        const ChartNode* node;
        bool expanded;  // some descendant was made visible
    };
    // Every node in the tree's display order: depth first, children in the
    // order they were added.
    std::vector<Row> rows() const;

    // The node keyed `key`, or null.
    const ChartNode* node(const QString& key) const;
    // The keys of the children of `key` ("" for the top level), in order.
    QStringList childKeys(const QString& key) const;
    bool isExpanded(const QString& key) const { return m_expanded.contains(key); }
    // The last node made visible, or "".
    const QString& lastVisible() const { return m_lastVisible; }
    const QString& statusText() const { return m_statusText; }
    bool isBusy() const { return m_busy; }
    int size() const { return static_cast<int>(m_nodes.size()); }

private:
    std::deque<ChartNode> m_nodes;  // a deque: adding a node moves none
    NodeIndex<const ChartNode*> m_byKey;
    QHash<QString, QStringList> m_children;
    QHash<QString, bool> m_expanded;
    QString m_lastVisible;
    QString m_statusText;
    bool m_busy = false;
};

}  // namespace kinmora
