// Loading keeps each row once, as the cells SQLite reads; every query then
// runs in SQLite over the stored tables.
#include "data/engine_loader.h"

#include <algorithm>
#include <optional>

#include "data/family_columns.h"
#include "data/family_file_error.h"

namespace kinmora {

Engine::Loader::Loader(Engine& engine) : m_engine(engine) {}

void Engine::Loader::beginTable(const TableSchema& schema) {
    auto& tables = m_engine.m_tables.tables;
    tables.push_back(std::make_shared<StoredTable>(schema));
    m_table = tables.back().get();
    try {
        m_engine.declare(tables.size() - 1);
    } catch (const FamilyFileError&) {
        tables.pop_back();
        m_table = nullptr;
        // The statement itself, full of a damaged file's names, tells the user nothing.
        throw FamilyFileError(
            FamilyFileError::Kind::Damaged,
            QStringLiteral("table %1 has no columns, or columns whose names cannot be told apart")
                .arg(schema.name));
    }
}

void Engine::Loader::expectRows(std::uint64_t rows) {
    m_expected = rows;
    // A stale count may be far off; it only saves growing the stores in steps.
    const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(rows, 1u << 20));
    m_table->reserve(n);
    const auto& columns = m_table->schema().columns;
    const auto count = [&](ColumnType type) {
        return static_cast<std::size_t>(std::count_if(
            columns.begin(), columns.end(), [&](const ColumnInfo& c) { return c.type == type; }));
    };
    m_engine.m_texts->reserve(n * count(ColumnType::Text));
    m_engine.m_memos->reserve(n * count(ColumnType::Memo));
    m_engine.m_heap.populate();
}

SqlCell Engine::Loader::cellOf(const Value& v, ColumnType type) {
    switch (v.kind()) {
        case Value::Kind::Null:
            return {};
        case Value::Kind::Bool:
            return SqlCell::ofInteger(v.isTrue() ? 1 : 0);
        case Value::Kind::Integer:
            return SqlCell::ofInteger(v.toInteger(INT64_MIN, INT64_MAX));
        case Value::Kind::Real:
            return SqlCell::ofReal(v.toReal());
        case Value::Kind::Date:
            return SqlCell::ofReal(v.toDate().days);
        case Value::Kind::Text:
            break;
    }
    // Text comes only from text and memo fields: the reader decodes numbers.
    const QString text = v.toText();
    if (type == ColumnType::Memo) return SqlCell::ofInteger(m_engine.m_memos->add(text));
    return SqlCell::ofText(m_engine.m_texts->add(text));
}

void Engine::Loader::row(std::span<const Value> values) {
    const auto& columns = m_table->schema().columns;
    m_row.clear();
    for (std::size_t i = 0; i < values.size() && i < columns.size(); ++i)
        m_row.push_back(cellOf(values[i], columns[i].type));
    m_table->append(m_row);
    ++m_tableRows;
    if (++m_rows % 64 == 0) m_engine.m_heap.populate();
}

void Engine::Loader::endTable() {
    // The chart looks persons up by code and by either parent's code.
    const auto columnOf = [&](const char* name) -> std::optional<std::size_t> {
        const auto& columns = m_table->schema().columns;
        for (std::size_t i = 0; i < columns.size(); ++i)
            if (columns[i].name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return i;
        return std::nullopt;
    };
    if (const auto code = columnOf(family_field::kCode)) m_table->addIndex({*code});
    const auto father = columnOf(family_field::kFatherCode);
    const auto mother = columnOf(family_field::kMotherCode);
    if (father && mother) {
        m_table->addIndex({*father, *mother});
        m_table->addIndex({*mother, *father});
    }
    // A count above the rows there is damage that still shows what is left;
    // one below them is a file not compacted after a crash, and no harm.
    if (m_tableRows < m_expected)
        m_engine.m_shortTables.push_back({m_table->schema().name, m_expected, m_tableRows});
    m_tableRows = 0;
    m_expected = 0;
    auto& tables = m_engine.m_tables.tables;
    m_engine.m_tableNumbers.emplace(m_table->schema().name.toLower(), tables.size() - 1);
    m_table = nullptr;
}

}  // namespace kinmora
