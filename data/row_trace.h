// Which stored row SQLite read during one step of a query. When every column
// a step read came from one row of one table, and the step's result columns
// are columns of that table itself, the result row is that stored row: the
// engine then keeps the row's number instead of copying its cells.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace kinmora {

class StoredTable;

class RowTrace {
public:
    // Forgets the reads of the last step.
    void clear() {
        m_table = nullptr;
        m_columns = 0;
        m_several = false;
    }

    // SQLite read `column` of `row` of `table`.
    void read(const StoredTable* table, std::size_t row, int column) {
        if (m_table && (table != m_table || row != m_row)) m_several = true;
        m_table = table;
        m_row = row;
        if (column >= 0 && column < 64)
            m_columns |= std::uint64_t{1} << column;
        else
            m_several = true;
    }

    // The row of `table` every read since clear() was from, when the reads
    // took in at least the columns whose bits `columns` sets.
    std::optional<std::size_t> onlyRow(const StoredTable& table, std::uint64_t columns) const {
        if (m_several || m_table != &table || (m_columns & columns) != columns) return std::nullopt;
        return m_row;
    }

private:
    const StoredTable* m_table = nullptr;
    std::size_t m_row = 0;
    std::uint64_t m_columns = 0;  // bit c: column c was read
    bool m_several = false;       // reads from more than one row, or past column 63
};

}  // namespace kinmora
