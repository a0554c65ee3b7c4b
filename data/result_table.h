// The rows a query returned, held in memory for a record set to walk.
#pragma once

#include <QStringList>
#include <deque>

#include "data/value.h"

namespace kinmora {

struct ResultTable {
    QStringList columns;  // as the query named them
    // Row after row, columns.size() values each. A deque grows without moving
    // what it holds: the person record set is tens of thousands of rows.
    std::deque<Value> cells;

    int rowCount() const {
        return columns.isEmpty() ? 0 : static_cast<int>(cells.size() / columns.size());
    }
    const Value& at(int row, int column) const {
        return cells[static_cast<std::size_t>(row) * columns.size() + column];
    }
};

}  // namespace kinmora
