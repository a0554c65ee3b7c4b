#include "data/result_table.h"

namespace kinmora {

ResultTable::ResultTable(QStringList names, Stores stores)
    : columns(std::move(names)), m_stores(std::move(stores)) {}

ResultTable::ResultTable(QStringList names, const std::vector<Value>& values)
    : columns(std::move(names)) {
    for (const Value& value : values) append(value);
}

void ResultTable::append(const Value& value) {
    push(Cell{Cell::Kept, {static_cast<std::int64_t>(m_kept.size())}});
    m_kept.push_back(value);
}

void ResultTable::keepStoredRows(StoredRows rows) {
    m_stored = std::move(rows);
    m_checkStoredRows = false;
    for (std::size_t i = 0; i < m_stored->columns.size(); ++i)
        if (!readAsStored(m_stored->table->kindsIn(m_stored->columns[i]), m_stored->types[i]))
            m_checkStoredRows = true;
}

bool ResultTable::appendStoredRow(std::size_t row) {
    if (m_checkStoredRows)
        for (std::size_t i = 0; i < m_stored->columns.size(); ++i)
            if (!cellOf(m_stored->table->cell(row, m_stored->columns[i]), m_stored->types[i]))
                return false;
    m_storedRows.push_back(static_cast<std::uint32_t>(row));
    return true;
}

void ResultTable::copyStoredRows() {
    if (!m_stored) return;
    const int rows = rowCount();
    std::vector<Cell> cells;
    cells.reserve(static_cast<std::size_t>(rows) * columns.size());
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns.size(); ++column) cells.push_back(cell(row, column));
    m_stored.reset();
    m_storedRows = {};
    for (const Cell& c : cells) push(c);
}

std::optional<ResultTable::Cell> ResultTable::cellOf(const SqlCell& stored, ColumnType type) const {
    using Kind = SqlCell::Kind;
    if (stored.kind == Kind::Null || type == ColumnType::Other) return Cell{};
    const auto real = [&](Cell::Kind kind) -> std::optional<Cell> {
        Cell c{kind, {0}};
        if (stored.kind == Kind::Integer)
            c.d = static_cast<double>(stored.integer);
        else if (stored.kind == Kind::Real)
            c.d = stored.real;
        else
            return std::nullopt;
        return c;
    };
    switch (type) {
        case ColumnType::Bool:
            if (stored.kind != Kind::Integer) break;
            return Cell{Cell::Bool, {stored.integer != 0 ? 1 : 0}};
        case ColumnType::Integer:
            if (stored.kind != Kind::Integer) break;
            return Cell{Cell::Integer, {stored.integer}};
        case ColumnType::Real:
            return real(Cell::Real);
        case ColumnType::Date:
            return real(Cell::Date);
        case ColumnType::Memo:
            if (stored.kind != Kind::Integer) break;
            return m_stores.memos->find(stored.integer) ? Cell{Cell::Memo, {stored.integer}}
                                                        : Cell{};
        case ColumnType::Text:
            if (stored.kind != Kind::Text) break;
            return Cell{Cell::StoredText, {stored.text}};
        case ColumnType::Other:
            break;
    }
    return std::nullopt;
}

bool ResultTable::readAsStored(unsigned kinds, ColumnType type) {
    const auto bit = [](SqlCell::Kind kind) { return 1u << static_cast<unsigned>(kind); };
    unsigned read = bit(SqlCell::Kind::Null);
    switch (type) {
        case ColumnType::Other:
            return true;
        case ColumnType::Bool:
        case ColumnType::Integer:
        case ColumnType::Memo:
            read |= bit(SqlCell::Kind::Integer);
            break;
        case ColumnType::Real:
        case ColumnType::Date:
            read |= bit(SqlCell::Kind::Integer) | bit(SqlCell::Kind::Real);
            break;
        case ColumnType::Text:
            read |= bit(SqlCell::Kind::Text);
            break;
    }
    return (kinds & ~read) == 0;
}

Value ResultTable::at(int row, int column) const {
    const Cell cell = this->cell(row, column);
    switch (cell.kind) {
        case Cell::Null:
            return Value::null();
        case Cell::Bool:
            return Value::boolean(cell.n != 0);
        case Cell::Integer:
            return Value::integer(cell.n);
        case Cell::Real:
            return Value::real(cell.d);
        case Cell::Date:
            return Value::date(JetDate{cell.d});
        case Cell::StoredText:
            return Value::text(m_stores.texts->textOf(static_cast<std::uint32_t>(cell.n)));
        case Cell::Memo: {
            const Value* memo = m_stores.memos->find(cell.n);
            return memo ? *memo : Value::null();
        }
        case Cell::Kept:
            return m_kept[static_cast<std::size_t>(cell.n)];
    }
    return Value::null();
}

}  // namespace kinmora
