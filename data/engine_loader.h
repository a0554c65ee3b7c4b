// Streams the rows of a family file's tables into the engine's stored tables.
#pragma once

#include <vector>

#include "data/engine.h"
#include "data/table_sink.h"

namespace kinmora {

class Engine::Loader : public TableSink {
public:
    explicit Loader(Engine& engine);

    // Stores the table and makes it SQLite's. Throws FamilyFileError
    // (Damaged) when SQLite cannot take it.
    void beginTable(const TableSchema& schema) override;
    void expectRows(std::uint64_t rows) override;
    // Stores one row; texts go to the engine's text store, memo texts to its memo store.
    void row(std::span<const Value> values) override;
    // Makes the table known by its name; a table with fewer rows than its
    // definition counts goes to the engine's shortTables().
    void endTable() override;

private:
    SqlCell cellOf(const Value& value, ColumnType type);

    Engine& m_engine;
    StoredTable* m_table = nullptr;
    std::vector<SqlCell> m_row;
    std::size_t m_rows = 0;         // in all, for the heap
    std::uint64_t m_tableRows = 0;  // of the table being read
    std::uint64_t m_expected = 0;
};

}  // namespace kinmora
