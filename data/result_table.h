// The rows a query returned, held in memory for a record set to walk.
#pragma once

#include <QStringList>

#include "data/cell_store.h"
#include "data/value.h"

namespace kinmora {

struct ResultTable {
    QStringList columns;  // as the query named them
    // Row after row, columns.size() values each.
    CellStore cells;

    int rowCount() const {
        return columns.isEmpty() ? 0 : static_cast<int>(cells.size() / columns.size());
    }
    const Value& at(int row, int column) const {
        return cells[static_cast<std::size_t>(row) * columns.size() + column];
    }
};

}  // namespace kinmora
