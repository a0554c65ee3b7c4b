// The open family database: the file's tables copied into an in-memory SQLite
// database, answering the program's query texts as Access would.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <unordered_map>

#include "data/read_options.h"
#include "data/record_set.h"
#include "data/result_table.h"
#include "data/table_schema.h"

struct sqlite3;
struct sqlite3_stmt;

namespace kinmora {

class ThaiCollation;

class Engine {
public:
    // Reads the tables named in `tables` (any letter case) from the family file
    // at `path`, read-only, as `options` say (read_options.h); tables the
    // file lacks are skipped (see schema). Throws FamilyFileError naming the
    // file and the reason, ReadCancelled when options.progress stops it.
    static std::unique_ptr<Engine> open(const QString& path, const QStringList& tables,
                                        const ReadOptions& options = {});
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    const QString& path() const { return m_path; }
    // What was found damaged while the tables were read, one sentence each;
    // the rows that could be read are loaded all the same.
    const QStringList& damage() const { return m_damage; }

    // The schema of a loaded table (any letter case), or null when the file lacks it.
    const TableSchema* schema(const QString& table) const;

    // Adds `column` to a loaded `table` as a column of Nulls, unless the table
    // has a column of that name (any letter case). A field a damaged file
    // lacks then reads as Null instead of failing every query. Returns
    // whether the column was added.
    bool addMissingColumn(const QString& table, const ColumnInfo& column);

    // Runs one query text and returns all its rows in the query's order.
    // Names of tables and fields match without regard to letter case; text
    // sorts in Thai order. Throws EngineError naming the query and the reason.
    std::shared_ptr<const ResultTable> query(const QString& sql);

    // A record set over the rows of `sql`, standing on its first row.
    RecordSet openRecordset(const QString& sql) { return RecordSet(query(sql)); }

private:
    class Loader;
    struct Statement {
        sqlite3_stmt* handle;
    };
    static constexpr std::size_t kMaxStatements = 64;

    explicit Engine(QString path);
    void exec(const QString& sql);
    sqlite3_stmt* prepare(const QByteArray& sql);
    Value cellValue(sqlite3_stmt* statement, int column, ColumnType type) const;
    void createIndexes(const TableSchema& schema);

    QString m_path;
    sqlite3* m_db = nullptr;
    std::unique_ptr<ThaiCollation> m_collation;
    // Memo texts live here once; the table holds their position, so record
    // sets share the text instead of copying it.
    std::vector<QString> m_memos;
    std::map<QString, TableSchema> m_schemas;  // by lower-case name
    QStringList m_damage;
    std::unordered_map<QByteArray, Statement> m_statements;  // by query shape
};

}  // namespace kinmora
