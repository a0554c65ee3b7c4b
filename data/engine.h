// The open family database: the file's tables held in memory and read by an
// in-memory SQLite database, answering the program's queries as Access would.
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <memory>

#include "data/heap_populator.h"
#include "data/memo_store.h"
#include "data/query.h"
#include "data/read_options.h"
#include "data/record_set.h"
#include "data/result_table.h"
#include "data/row_module.h"
#include "data/sqlite_handles.h"
#include "data/statement_cache.h"
#include "data/table_schema.h"
#include "data/text_store.h"

namespace kinmora {

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

    // A table whose definition counts more rows than the file holds: the
    // rows there are loaded all the same.
    struct ShortTable {
        QString table;          // as the file spells it
        std::uint64_t counted;  // the rows its definition counts
        std::uint64_t held;     // the rows read
    };
    const std::vector<ShortTable>& shortTables() const { return m_shortTables; }
    // The same, one English sentence each; empty for a sound file.
    QStringList damage() const;

    // The schema of a loaded table (any letter case), or null when the file lacks it.
    const TableSchema* schema(const QString& table) const;

    // Adds `column` to a loaded `table` as a column of Nulls, unless the table
    // has a column of that name (any letter case). A field a damaged file
    // lacks then reads as Null instead of failing every query. Returns
    // whether the column was added.
    bool addMissingColumn(const QString& table, const ColumnInfo& column);

    // Runs `query`, its parameters bound, and returns all its rows in the
    // query's order. Names of tables and fields match without regard to
    // letter case; text sorts and compares in Thai order. A text column
    // holds a token of the engine's text store, so a query may compare, sort
    // and group text columns but not compute on them (LIKE, ||, length).
    // Throws FamilyFileError
    // (BadQuery) naming the query as written and the reason.
    std::shared_ptr<const ResultTable> query(const Query& query);
    // Runs one query text with no parameters, as query() does.
    std::shared_ptr<const ResultTable> query(const QString& sql) { return query(Query{sql, {}}); }

    // A record set over the rows of a query, standing on its first row.
    RecordSet recordSet(const Query& q) { return RecordSet(query(q)); }
    RecordSet recordSet(const QString& sql) { return RecordSet(query(sql)); }

private:
    class Loader;
    static constexpr std::size_t kMaxStatements = 64;

    explicit Engine(QString path);
    void exec(const QString& sql);
    void appendCell(ResultTable& result, sqlite3_stmt* statement, int column,
                    ColumnType type) const;
    // The stored table whose rows the statement's rows are, when each of its
    // result columns (read as `types` says) is a column of that table, not
    // an expression. Each step then tells by the row trace which row it
    // read; see row_trace.h.
    std::optional<ResultTable::StoredRows> storedRowsOf(sqlite3_stmt* statement,
                                                        const std::vector<ColumnType>& types) const;
    // Makes stored table `n` SQLite's table of its name.
    void declare(std::size_t n);

    QString m_path;
    HeapPopulator m_heap;
    // Shared with the query results that refer to them; they outlive the
    // connection that sorts with them and reads them.
    std::shared_ptr<TextStore> m_texts = std::make_shared<TextStore>();
    StoredTables m_tables;  // outlives the connection that reads them
    SqliteDatabase m_db;
    StatementCache m_statements;  // finalized before the connection closes
    std::shared_ptr<MemoStore> m_memos = std::make_shared<MemoStore>();
    std::map<QString, std::size_t> m_tableNumbers;  // by lower-case name
    std::vector<ShortTable> m_shortTables;
};

}  // namespace kinmora
