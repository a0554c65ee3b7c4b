// Where a table read from a family file goes, one row at a time.
#pragma once

#include <cstdint>
#include <span>

#include "data/table_schema.h"
#include "data/value.h"

namespace kinmora {

class TableSink {
public:
    virtual ~TableSink() = default;
    // Called once before the rows of a table.
    virtual void beginTable(const TableSchema& schema) = 0;
    // After beginTable: how many rows the table's definition counts, which
    // may be stale (see MdbReader::readTable).
    virtual void expectRows(std::uint64_t rows) { (void)rows; }
    // One row, its values in the order of the schema's columns.
    virtual void row(std::span<const Value> values) = 0;
    virtual void endTable() = 0;
};

}  // namespace kinmora
