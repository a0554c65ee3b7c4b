// The rows a query returned, held in memory for a record set to walk. A cell
// is kept as SQLite gave it, 16 bytes: a text or a memo by its number in the
// engine's stores, which the table shares; a value is made only when it is
// read. A query whose rows are rows of one stored table, such as the person
// record set's, keeps each row's number there instead: its 300,000 cells are
// read where the table keeps them, and nothing is copied.
#pragma once

#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "data/column_type.h"
#include "data/memo_store.h"
#include "data/stored_table.h"
#include "data/text_store.h"
#include "data/value.h"

namespace kinmora {

class ResultTable {
public:
    // What the text and memo cells of a query's rows refer to.
    struct Stores {
        std::shared_ptr<const TextStore> texts;
        std::shared_ptr<const MemoStore> memos;
    };

    // Rows of a stored table: result column i is the table's column
    // columns[i], read as types[i] says.
    struct StoredRows {
        std::shared_ptr<const StoredTable> table;
        std::vector<std::size_t> columns;
        std::vector<ColumnType> types;
    };

    explicit ResultTable(QStringList columns, Stores stores = {});
    // A table of `values`, row after row, columns.size() values a row.
    ResultTable(QStringList columns, const std::vector<Value>& values);

    QStringList columns;  // as the query named them

    int rowCount() const {
        if (m_stored) return static_cast<int>(m_storedRows.size());
        return columns.isEmpty() ? 0 : static_cast<int>(m_size / columns.size());
    }
    Value at(int row, int column) const;
    // The text of a cell that holds a text of the text store, without a
    // copy; nullptr for any other cell.
    const QString* storedText(int row, int column) const {
        const Cell c = cell(row, column);
        return c.kind == Cell::StoredText ? &m_stores.texts->textOf(static_cast<std::uint32_t>(c.n))
                                          : nullptr;
    }

    // The next cell, row after row.
    void appendNull() { push(Cell{}); }
    void appendBool(bool b) { push(Cell{Cell::Bool, {b ? 1 : 0}}); }
    void appendInteger(std::int64_t n) { push(Cell{Cell::Integer, {n}}); }
    void appendReal(double d) { append(Cell::Real, d); }
    void appendDate(JetDate d) { append(Cell::Date, d.days); }
    // The text numbered `n` in the text store.
    void appendText(std::uint32_t n) { push(Cell{Cell::StoredText, {n}}); }
    // The memo numbered `n` in the memo store.
    void appendMemo(std::int64_t n) { push(Cell{Cell::Memo, {n}}); }
    // Any value, kept whole.
    void append(const Value& value);

    // Makes an empty table keep the rows that follow as rows of `rows.table`.
    void keepStoredRows(StoredRows rows);
    // Appends stored row `row`; false, appending nothing, when one of its
    // cells would not read as SQLite reads it for the column's type (a
    // text in a number column), so that its cells must be copied.
    bool appendStoredRow(std::size_t row);
    // Copies the stored rows into cells, so that rows of cells can follow.
    void copyStoredRows();

private:
    struct Cell {
        enum Kind : std::uint8_t { Null, Bool, Integer, Real, Date, StoredText, Memo, Kept };
        Kind kind = Null;
        union {
            std::int64_t n;
            double d;
        };
    };
    void append(Cell::Kind kind, double d) {
        Cell cell{kind, {0}};
        cell.d = d;
        push(cell);
    }
    Cell cell(int row, int column) const {
        if (m_stored)
            return *cellOf(
                m_stored->table->cell(m_storedRows[static_cast<std::size_t>(row)],
                                      m_stored->columns[static_cast<std::size_t>(column)]),
                m_stored->types[static_cast<std::size_t>(column)]);
        const std::size_t i = static_cast<std::size_t>(row) * columns.size() + column;
        return m_chunks[i / kChunk][i % kChunk];
    }
    // The cell SQLite's value of `stored` gives in a column of `type`, or
    // nothing when SQLite would convert it.
    std::optional<Cell> cellOf(const SqlCell& stored, ColumnType type) const;
    // Whether every cell of the kinds `kinds` (see StoredTable::kindsIn) has
    // a cellOf() in a column of `type`.
    static bool readAsStored(unsigned kinds, ColumnType type);
    void push(const Cell& cell) {
        if (m_chunks.empty() || m_chunks.back().size() == kChunk) {
            m_chunks.emplace_back();
            // The first chunk grows as needed; later ones are known to fill.
            if (m_chunks.size() > 1) m_chunks.back().reserve(kChunk);
        }
        m_chunks.back().push_back(cell);
        ++m_size;
    }
    // A large result grows a chunk at a time and is never copied; a chart's
    // small results take one small block.
    static constexpr std::size_t kChunk = std::size_t{1} << 14;

    Stores m_stores;
    std::vector<std::vector<Cell>> m_chunks;
    std::size_t m_size = 0;
    std::vector<Value> m_kept;                // the values of Kept cells, by their number
    std::optional<StoredRows> m_stored;       // while the rows are stored rows
    std::vector<std::uint32_t> m_storedRows;  // their numbers in m_stored->table
    // Whether some column's cells may not read as stored, so that each stored row is checked.
    bool m_checkStoredRows = false;
};

}  // namespace kinmora
