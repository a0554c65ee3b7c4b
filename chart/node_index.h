// The nodes of one chart found by key, whatever stands for a node (a stored
// ChartNode, a tree item): keys stay unique and a parent comes before its children.
#pragma once

#include <QHash>
#include <QString>
#include <stdexcept>

#include "chart/chart_node.h"

namespace kinmora {

template <class Item>
class NodeIndex {
public:
    void clear() { m_items.clear(); }

    // The item keyed `key`, or a null Item when no node has that key.
    Item value(const QString& key) const { return m_items.value(key); }

    // The item `node` is to be added under: a null Item for a top-level node.
    // Throws std::logic_error when node.key is taken or node.parentKey names
    // no node: the chart builder never asks for either.
    Item parentOf(const ChartNode& node) const {
        if (m_items.contains(node.key))
            throw std::logic_error("duplicate chart key " + node.key.toStdString());
        if (node.parentKey.isEmpty()) return Item{};
        const auto it = m_items.constFind(node.parentKey);
        if (it == m_items.constEnd())
            throw std::logic_error("no chart node keyed " + node.parentKey.toStdString());
        return *it;
    }

    void insert(const QString& key, Item item) { m_items.insert(key, item); }

private:
    QHash<QString, Item> m_items;
};

}  // namespace kinmora
