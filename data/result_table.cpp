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

Value ResultTable::at(int row, int column) const {
    const Cell& cell = this->cell(row, column);
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
