// Keys stay unique within one chart, so nodes are found by key, as in the tree control.
#include "chart/chart_tree.h"

#include <stdexcept>

namespace kinmora {

void ChartTree::clearNodes() {
    m_nodes.clear();
    m_byKey.clear();
    m_children.clear();
    m_expanded.clear();
    m_lastVisible.clear();
}

void ChartTree::addNode(const ChartNode& node) {
    m_byKey.parentOf(node);  // refuses a taken key or an unknown parent
    m_nodes.push_back(node);
    m_byKey.insert(node.key, &m_nodes.back());
    m_children[node.parentKey].append(node.key);
}

void ChartTree::makeVisible(const QString& key) {
    const ChartNode* n = node(key);
    if (!n) throw std::logic_error("no chart node keyed " + key.toStdString());
    for (QString parent = n->parentKey; !parent.isEmpty(); parent = node(parent)->parentKey)
        m_expanded.insert(parent, true);
    m_lastVisible = key;
}

const ChartNode* ChartTree::node(const QString& key) const {
    return m_byKey.value(key);
}

QStringList ChartTree::childKeys(const QString& key) const {
    return m_children.value(key);
}

std::vector<ChartTree::Row> ChartTree::rows() const {
    std::vector<Row> out;
    out.reserve(m_nodes.size());
    // An explicit stack: a chart can be tens of thousands of nodes deep in data gone wrong.
    std::vector<std::pair<QString, int>> stack;
    const QStringList top = childKeys(QString());
    for (auto it = top.crbegin(); it != top.crend(); ++it) stack.emplace_back(*it, 0);
    while (!stack.empty()) {
        auto [key, depth] = stack.back();
        stack.pop_back();
        out.push_back(Row{depth, node(key), isExpanded(key)});
        const QStringList children = childKeys(key);
        for (auto it = children.crbegin(); it != children.crend(); ++it)
            stack.emplace_back(*it, depth + 1);
    }
    return out;
}

}  // namespace kinmora
