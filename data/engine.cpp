// Every query runs in the in-memory copy of the tables. Statements are
// prepared once per query text and kept; the numbers of a query are bound as
// parameters.
#include "data/engine.h"

#include "data/engine_loader.h"
#include "data/family_file_error.h"
#include "data/reader_process.h"
#include "data/sql_text.h"

namespace kinmora {
namespace {

using sql_text::declaredType;
using sql_text::quoted;

ColumnType typeFromDeclared(const char* declared, int storage) {
    const QByteArray d = QByteArray(declared ? declared : "").toUpper();
    if (d.startsWith("BOOLEAN")) return ColumnType::Bool;
    if (d.startsWith("DATETIME")) return ColumnType::Date;
    if (d.startsWith("MEMO")) return ColumnType::Memo;
    if (d.startsWith("BLOB")) return ColumnType::Other;
    if (d.startsWith("INTEGER")) return ColumnType::Integer;
    if (d.startsWith("REAL")) return ColumnType::Real;
    if (d.startsWith("TEXT")) return ColumnType::Text;
    switch (storage) {  // an expression: go by what it holds
        case SQLITE_INTEGER:
            return ColumnType::Integer;
        case SQLITE_FLOAT:
            return ColumnType::Real;
        default:
            return ColumnType::Text;
    }
}

int thaiCompare(void* texts, int lengthA, const void* a, int lengthB, const void* b) {
    return static_cast<TextStore*>(texts)->compare(
        std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(lengthA)),
        std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(lengthB)));
}

SqliteDatabase openMemoryDatabase() {
    sqlite3* db = nullptr;
    const int status =
        sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
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
    sqlite3_create_collation(m_db.get(), "THAI", SQLITE_UTF8, &m_texts, thaiCompare);
    // Sorting must not spill to a temporary file: the program writes no file.
    exec(QStringLiteral("PRAGMA temp_store = MEMORY"));
}

Engine::~Engine() = default;

std::unique_ptr<Engine> Engine::open(const QString& path, const QStringList& tables,
                                     const ReadOptions& options) {
    std::unique_ptr<Engine> engine(new Engine(path));
    Loader loader(*engine);
    engine->exec(QStringLiteral("BEGIN"));
    try {
        ReaderProcess::read(path, tables, loader, ReaderProcess::Limits{}, options);
    } catch (const FamilyFileError& e) {
        if (!e.path().isEmpty()) throw;
        throw FamilyFileError(e.kind(), path,
                              QStringLiteral("cannot be loaded: %1").arg(e.reason()));
    }
    engine->exec(QStringLiteral("COMMIT"));
    return engine;
}

const TableSchema* Engine::schema(const QString& table) const {
    const auto it = m_schemas.find(table.toLower());
    return it == m_schemas.end() ? nullptr : &it->second;
}

bool Engine::addMissingColumn(const QString& table, const ColumnInfo& column) {
    const auto it = m_schemas.find(table.toLower());
    if (it == m_schemas.end()) return false;
    for (const ColumnInfo& existing : it->second.columns)
        if (existing.name.compare(column.name, Qt::CaseInsensitive) == 0) return false;
    exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
             .arg(quoted(it->second.name), quoted(column.name),
                  QLatin1String(declaredType(column.type))));
    it->second.columns.push_back(column);
    return true;
}

void Engine::createIndexes(const TableSchema& schema) {
    // The chart looks persons up by code and by either parent code.
    const auto has = [&](const char* name) {
        for (const auto& column : schema.columns)
            if (column.name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return true;
        return false;
    };
    const QString table = quoted(schema.name);
    int n = 0;
    const auto index = [&](const QString& columns) {
        exec(
            QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                .arg(quoted(schema.name + QStringLiteral("_kinmora_index_") + QString::number(++n)),
                     table, columns));
    };
    if (has("code")) index(QStringLiteral("code"));
    if (has("fathercode") && has("mothercode")) {
        index(QStringLiteral("fathercode, mothercode"));
        index(QStringLiteral("mothercode, fathercode"));
    }
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
        return FamilyFileError(
            FamilyFileError::Kind::BadQuery,
            QStringLiteral("the query \"%1\" failed: %2").arg(q.written(), reason));
    };
    sqlite3_stmt* statement = nullptr;
    try {
        statement = m_statements.statement(q.text.toUtf8());
    } catch (const FamilyFileError& e) {
        throw failed(e.reason());
    }
    for (std::size_t i = 0; i < q.parameters.size(); ++i)
        sqlite3_bind_int64(statement, static_cast<int>(i) + 1, q.parameters[i]);

    auto result = std::make_shared<ResultTable>();
    const int columnCount = sqlite3_column_count(statement);
    for (int i = 0; i < columnCount; ++i)
        result->columns << QString::fromUtf8(sqlite3_column_name(statement, i));
    std::vector<ColumnType> types;
    int status;
    while ((status = sqlite3_step(statement)) == SQLITE_ROW) {
        if (types.empty())
            for (int i = 0; i < columnCount; ++i)
                types.push_back(typeFromDeclared(sqlite3_column_decltype(statement, i),
                                                 sqlite3_column_type(statement, i)));
        for (int i = 0; i < columnCount; ++i)
            result->cells.push_back(cellValue(statement, i, types[i]));
    }
    const QString reason = QString::fromUtf8(sqlite3_errmsg(m_db.get()));
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    if (status != SQLITE_DONE) throw failed(reason);
    return result;
}

Value Engine::cellValue(sqlite3_stmt* statement, int column, ColumnType type) const {
    const int storage = sqlite3_column_type(statement, column);
    if (storage == SQLITE_NULL || type == ColumnType::Other) return Value::null();
    switch (type) {
        case ColumnType::Bool:
            return Value::boolean(sqlite3_column_int64(statement, column) != 0);
        case ColumnType::Integer:
            return Value::integer(sqlite3_column_int64(statement, column));
        case ColumnType::Real:
            return Value::real(sqlite3_column_double(statement, column));
        case ColumnType::Date:
            return Value::date(JetDate{sqlite3_column_double(statement, column)});
        case ColumnType::Memo: {
            const Value* memo = m_memos.find(sqlite3_column_int64(statement, column));
            return memo ? *memo : Value::null();
        }
        default: {
            const auto* text =
                reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
            const int length = sqlite3_column_bytes(statement, column);
            if (const QString* stored =
                    m_texts.text(std::string_view(text, static_cast<std::size_t>(length))))
                return Value::text(*stored);
            return Value::text(QString::fromUtf8(text, length));
        }
    }
}

}  // namespace kinmora
