// One table of an open family file as SQLite reads it: each cell a Null, a
// number or a text's number in the text store, held in the engine's own
// memory. SQLite reads the rows through a virtual table (row_module.h), so
// loading a file copies no row into SQLite and builds no SQLite index.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <vector>

#include "data/table_schema.h"

namespace kinmora {

class TextStore;

// A value as SQLite sees it. A memo is the number of its text in the memo
// store, so it is an Integer here.
struct SqlCell {
    enum class Kind : std::uint8_t { Null, Integer, Real, Text };
    Kind kind = Kind::Null;
    union {
        std::int64_t integer;
        double real;
        std::uint32_t text;  // the text's number in the text store
    };
    SqlCell() : integer(0) {}
    static SqlCell ofInteger(std::int64_t n) {
        SqlCell c;
        c.kind = Kind::Integer;
        c.integer = n;
        return c;
    }
    static SqlCell ofReal(double d) {
        SqlCell c;
        c.kind = Kind::Real;
        c.real = d;
        return c;
    }
    static SqlCell ofText(std::uint32_t n) {
        SqlCell c;
        c.kind = Kind::Text;
        c.text = n;
        return c;
    }
};

class StoredTable {
public:
    explicit StoredTable(TableSchema schema);

    const TableSchema& schema() const { return m_schema; }
    std::size_t rowCount() const { return m_rowCount; }

    // Appends a row, one cell per column the table had when its rows were read.
    void append(std::span<const SqlCell> row);
    void reserve(std::size_t rows) { m_cells.reserve(rows * m_width); }

    // Adds a column that reads as Null in every row.
    void addColumn(ColumnInfo column) { m_schema.columns.push_back(std::move(column)); }

    // The kinds of the cells of `column`: bit k set when a cell is of SqlCell::Kind k.
    unsigned kindsIn(std::size_t column) const {
        return column < m_width ? m_kinds[column]
                                : 1u << static_cast<unsigned>(SqlCell::Kind::Null);
    }

    const SqlCell& cell(std::size_t row, std::size_t column) const {
        static const SqlCell null;
        return column < m_width ? m_cells[row * m_width + column] : null;
    }

    // Orders the rows a look-up on columns.front() finds by the columns that
    // follow, then by table order, as SQLite's index on those columns gives
    // them: the chart's children of one parent come to the birth order sort
    // in that order, which decides between children born on the same day.
    void addIndex(std::vector<std::size_t> columns);

    // The rows whose `column` holds the whole number `n` (as SQLite's = finds
    // it: an integer, or a real without a fraction), in the order of the
    // column's index (table order for a column without one). The index is
    // made on the first look-up.
    std::span<const std::uint32_t> rowsEqualTo(std::size_t column, std::int64_t n) const;
    // The column that follows `column` in its index, if it has an index of two columns.
    std::optional<std::size_t> nextIndexColumn(std::size_t column) const;
    // Of the rows rowsEqualTo(column, n) gives, those whose nextIndexColumn
    // holds the whole number `m`.
    std::span<const std::uint32_t> rowsEqualTo(std::size_t column, std::int64_t n,
                                               std::int64_t m) const;

    // Every row in the order of a text column, Null first and ties in table
    // order: as ORDER BY sorts it under the Thai collation. Nothing when the
    // column holds a number, which only SQLite knows where to sort.
    const std::vector<std::uint32_t>* rowsOrderedBy(std::size_t column, TextStore& texts) const;

private:
    struct NumberIndex {
        std::vector<std::int64_t> numbers;  // ascending
        std::vector<std::uint32_t> rows;    // the row of each number
    };

    TableSchema m_schema;
    std::size_t m_width;  // the columns the rows were read with
    std::size_t m_rowCount = 0;
    std::vector<SqlCell> m_cells;
    std::vector<unsigned> m_kinds;  // of each column's cells, as kindsIn() gives them
    std::map<std::size_t, std::vector<std::size_t>> m_indexColumns;  // by first column
    mutable std::map<std::size_t, NumberIndex> m_numberIndexes;
    mutable std::map<std::size_t, std::optional<std::vector<std::uint32_t>>> m_orders;
};

}  // namespace kinmora
