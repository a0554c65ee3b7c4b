// Streams the rows of a family file's tables into the engine's SQLite tables.
#pragma once

#include "data/engine.h"
#include "data/table_sink.h"

namespace kinmora {

class Engine::Loader : public TableSink {
public:
    explicit Loader(Engine& engine);

    // Creates the table and prepares its insert. Throws FamilyFileError
    // (Damaged) when the table cannot be created.
    void beginTable(const TableSchema& schema) override;
    // Stores one row; memo texts go to the engine's memo store.
    void row(std::span<const Value> values) override;
    // Records the schema and indexes the columns the chart looks up.
    void endTable() override;
    // Keeps the reason among the engine's damage().
    void damaged(const QString& reason) override;

private:
    Engine& m_engine;
    TableSchema m_schema;
    SqliteStatement m_insert;
};

}  // namespace kinmora
