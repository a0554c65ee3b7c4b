// Every query runs in SQLite over the stored tables, which it reads through
// the row module. Statements are prepared once per query text and kept; the
// numbers of a query are bound as parameters.
#include "data/engine.h"

#include <algorithm>
#include <cstring>

#include "data/engine_loader.h"
#include "data/family_file_error.h"
#include "data/reader_process.h"
#include "data/sql_text.h"

namespace kinmora {
namespace {

using sql_text::quoted;

// The program reads only stored columns, each declared with its type.
ColumnType typeFromDeclared(const char* declared) {
    const QByteArray d = QByteArray(declared ? declared : "").toUpper();
    if (d.startsWith("BOOLEAN")) return ColumnType::Bool;
    if (d.startsWith("DATETIME")) return ColumnType::Date;
    if (d.startsWith("MEMO")) return ColumnType::Memo;
    if (d.startsWith("BLOB")) return ColumnType::Other;
    if (d.startsWith("INTEGER")) return ColumnType::Integer;
    if (d.startsWith("REAL")) return ColumnType::Real;
    return ColumnType::Text;
}

int thaiCompare(void* texts, int lengthA, const void* a, int lengthB, const void* b) {
    return static_cast<TextStore*>(texts)->compare(
        std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(lengthA)),
        std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(lengthB)));
}

// One thread at a time uses the connection, so it goes without SQLite's lock,
// which every read of a result's column would otherwise take.
SqliteDatabase openMemoryDatabase() {
    // Nor does it count its memory, which takes a lock on every allocation.
    // (This holds for the whole process, and only before SQLite's first use.)
    [[maybe_unused]] static const int uncounted = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    sqlite3* db = nullptr;
    const int status = sqlite3_open_v2(
        ":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    SqliteDatabase owned(db);
    if (status != SQLITE_OK)
        throw FamilyFileError(FamilyFileError::Kind::BadQuery,
                              QStringLiteral("cannot create the in-memory database"));
    return owned;
}

}  // namespace

Engine::Engine(QString path)
    : m_path(std::move(path)),
      m_db(openMemoryDatabase()),
      m_statements(m_db.get(), kMaxStatements) {
    m_tables.texts = m_texts.get();
    row_module::install(m_db.get(), m_tables);
    sqlite3_create_collation(m_db.get(), "THAI", SQLITE_UTF8, m_texts.get(), thaiCompare);
    // Sorting must not spill to a temporary file: the program writes no file.
    exec(QStringLiteral("PRAGMA temp_store = MEMORY"));
}

Engine::~Engine() = default;

std::unique_ptr<Engine> Engine::open(const QString& path, const QStringList& tables,
                                     const ReadOptions& options) {
    std::unique_ptr<Engine> engine(new Engine(path));
    Loader loader(*engine);
    try {
        ReaderProcess::read(path, tables, loader, ReaderProcess::Limits{}, options);
    } catch (const FamilyFileError& e) {
        if (!e.path().isEmpty()) throw;
        throw FamilyFileError(e.kind(), path,
                              QStringLiteral("cannot be loaded: %1").arg(e.reason()));
    }
    return engine;
}

QStringList Engine::damage() const {
    QStringList sentences;
    for (const ShortTable& t : m_shortTables)
        sentences << (t.held == 0 ? QStringLiteral("table %1 should hold %2 rows but holds none")
                                        .arg(t.table)
                                        .arg(t.counted)
                                  : QStringLiteral("table %1 should hold %2 rows but only %3 could "
                                                   "be read")
                                        .arg(t.table)
                                        .arg(t.counted)
                                        .arg(t.held));
    return sentences;
}

const TableSchema* Engine::schema(const QString& table) const {
    const auto it = m_tableNumbers.find(table.toLower());
    return it == m_tableNumbers.end() ? nullptr : &m_tables.tables[it->second]->schema();
}

bool Engine::addMissingColumn(const QString& table, const ColumnInfo& column) {
    const auto it = m_tableNumbers.find(table.toLower());
    if (it == m_tableNumbers.end()) return false;
    StoredTable& stored = *m_tables.tables[it->second];
    for (const ColumnInfo& existing : stored.schema().columns)
        if (existing.name.compare(column.name, Qt::CaseInsensitive) == 0) return false;
    stored.addColumn(column);
    exec(QStringLiteral("DROP TABLE %1").arg(quoted(stored.schema().name)));
    declare(it->second);
    return true;
}

void Engine::declare(std::size_t n) {
    exec(QStringLiteral("CREATE VIRTUAL TABLE %1 USING %2(%3)")
             .arg(quoted(m_tables.tables[n]->schema().name), QLatin1String(row_module::kName),
                  QString::number(n)));
}

void Engine::exec(const QString& sql) {
    char* message = nullptr;
    if (sqlite3_exec(m_db.get(), sql.toUtf8().constData(), nullptr, nullptr, &message) !=
        SQLITE_OK) {
        const QString reason = QString::fromUtf8(message ? message : "unknown error");
        sqlite3_free(message);
        throw FamilyFileError(FamilyFileError::Kind::BadQuery,
                              QStringLiteral("%1: %2").arg(sql, reason));
    }
}

std::shared_ptr<const ResultTable> Engine::query(const Query& q) {
    const auto failed = [&](const QString& reason) {
        return FamilyFileError(FamilyFileError::Kind::BadQuery,
                               QStringLiteral("the query \"%1\" failed: %2").arg(q.text, reason));
    };
    sqlite3_stmt* statement = nullptr;
    try {
        statement = m_statements.statement(q.text.toUtf8());
    } catch (const FamilyFileError& e) {
        throw failed(e.reason());
    }
    for (std::size_t i = 0; i < q.parameters.size(); ++i)
        sqlite3_bind_int64(statement, static_cast<int>(i) + 1, q.parameters[i]);

    const auto step = [&] {
        m_tables.trace.clear();
        return sqlite3_step(statement);
    };
    // The first step comes before the columns are counted: a statement
    // prepared before a column was added is prepared again by it, with the
    // column.
    int status = step();
    const int columnCount = sqlite3_column_count(statement);
    QStringList columns;
    for (int i = 0; i < columnCount; ++i)
        columns << QString::fromUtf8(sqlite3_column_name(statement, i));
    auto result =
        std::make_shared<ResultTable>(std::move(columns), ResultTable::Stores{m_texts, m_memos});
    std::vector<ColumnType> types;
    // While the rows are rows of `source`: the columns each step must read.
    const StoredTable* source = nullptr;
    std::uint64_t sourceColumns = 0;
    for (std::size_t rows = 1; status == SQLITE_ROW; ++rows, status = step()) {
        if (rows == 1) {
            for (int i = 0; i < columnCount; ++i)
                types.push_back(typeFromDeclared(sqlite3_column_decltype(statement, i)));
            if (std::optional<ResultTable::StoredRows> stored = storedRowsOf(statement, types)) {
                source = stored->table.get();
                for (const std::size_t column : stored->columns)
                    sourceColumns |= std::uint64_t{1} << column;
                result->keepStoredRows(std::move(*stored));
            }
        }
        if (source) {
            const std::optional<std::size_t> row = m_tables.trace.onlyRow(*source, sourceColumns);
            if (!row || !result->appendStoredRow(*row)) {
                result->copyStoredRows();
                source = nullptr;
            }
        }
        if (!source)
            for (int i = 0; i < columnCount; ++i) appendCell(*result, statement, i, types[i]);
        if (rows % 256 == 0) m_heap.populate();
    }
    const QString reason = QString::fromUtf8(sqlite3_errmsg(m_db.get()));
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    if (status != SQLITE_DONE) throw failed(reason);
    return result;
}

std::optional<ResultTable::StoredRows> Engine::storedRowsOf(
    sqlite3_stmt* statement, const std::vector<ColumnType>& types) const {
    const int count = sqlite3_column_count(statement);
    const char* table = count > 0 ? sqlite3_column_table_name(statement, 0) : nullptr;
    if (!table) return std::nullopt;
    const auto it = m_tableNumbers.find(QString::fromUtf8(table).toLower());
    if (it == m_tableNumbers.end()) return std::nullopt;
    ResultTable::StoredRows rows{m_tables.tables[it->second], {}, types};
    const auto& stored = rows.table->schema().columns;
    for (int i = 0; i < count; ++i) {
        const char* database = sqlite3_column_database_name(statement, i);
        const char* from = sqlite3_column_table_name(statement, i);
        const char* origin = sqlite3_column_origin_name(statement, i);
        if (!database || !from || !origin || std::strcmp(database, "main") != 0 ||
            std::strcmp(from, table) != 0)
            return std::nullopt;
        const QString name = QString::fromUtf8(origin);
        const auto column = std::find_if(stored.begin(), stored.end(),
                                         [&](const ColumnInfo& c) { return c.name == name; });
        if (column == stored.end() || column - stored.begin() >= 64) return std::nullopt;
        rows.columns.push_back(static_cast<std::size_t>(column - stored.begin()));
    }
    return rows;
}

void Engine::appendCell(ResultTable& result, sqlite3_stmt* statement, int column,
                        ColumnType type) const {
    const int storage = sqlite3_column_type(statement, column);
    if (storage == SQLITE_NULL || type == ColumnType::Other) return result.appendNull();
    switch (type) {
        case ColumnType::Bool:
            return result.appendBool(sqlite3_column_int64(statement, column) != 0);
        case ColumnType::Integer:
            return result.appendInteger(sqlite3_column_int64(statement, column));
        case ColumnType::Real:
            return result.appendReal(sqlite3_column_double(statement, column));
        case ColumnType::Date:
            return result.appendDate(JetDate{sqlite3_column_double(statement, column)});
        case ColumnType::Memo: {
            const std::int64_t n = sqlite3_column_int64(statement, column);
            return m_memos->find(n) ? result.appendMemo(n) : result.appendNull();
        }
        default: {
            const auto* text =
                reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
            const std::string_view bytes(
                text, static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
            if (const std::optional<std::uint32_t> n = m_texts->number(bytes))
                return result.appendText(*n);
            return result.append(
                Value::text(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()))));
        }
    }
}

}  // namespace kinmora
