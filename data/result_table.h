// The rows a query returned, held in memory for a record set to walk. A cell
// is kept as SQLite gave it, 16 bytes: a text or a memo by its number in the
// engine's stores, which the table shares. The person record set's 300,000
// cells then copy no text, and a value is made only when it is read.
#pragma once

#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

#include "data/memo_store.h"
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

    explicit ResultTable(QStringList columns, Stores stores = {});
    // A table of `values`, row after row, columns.size() values a row.
    ResultTable(QStringList columns, const std::vector<Value>& values);

    QStringList columns;  // as the query named them

    int rowCount() const {
        return columns.isEmpty() ? 0 : static_cast<int>(m_size / columns.size());
    }
    Value at(int row, int column) const;
    // The text of a cell that holds a text of the text store, without a
    // copy; nullptr for any other cell.
    const QString* storedText(int row, int column) const {
        const Cell& c = cell(row, column);
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
    const Cell& cell(int row, int column) const {
        const std::size_t i = static_cast<std::size_t>(row) * columns.size() + column;
        return m_chunks[i / kChunk][i % kChunk];
    }
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
    std::vector<Value> m_kept;  // the values of Kept cells, by their number
};

}  // namespace kinmora
