// Loading copies the two tables into SQLite once; every query text then runs
// there. Statements are prepared once per shape: the whole numbers of a query
// text become bound parameters, so the chart's thousands of queries that
// differ only in a code reuse one prepared statement.
#include "data/engine.h"

#include "data/engine_error.h"
#include "data/family_file_error.h"
#include "data/reader_process.h"
#include "data/thai_collation.h"

#include <sqlite3.h>

#include <unordered_map>

namespace kinmora {
namespace {

QString quoted(const QString& identifier) {
    QString q = identifier;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

const char* declaredType(ColumnType type) {
    switch (type) {
    case ColumnType::Bool:
        return "BOOLEAN";
    case ColumnType::Integer:
        return "INTEGER";
    case ColumnType::Real:
        return "REAL";
    case ColumnType::Date:
        return "DATETIME";
    case ColumnType::Text:
        return "TEXT COLLATE THAI";
    case ColumnType::Memo:
        return "MEMO";
    case ColumnType::Other:
        return "BLOB";
    }
    return "BLOB";
}

ColumnType typeFromDeclared(const char* declared, int storage) {
    const QByteArray d = QByteArray(declared ? declared : "").toUpper();
    if (d.startsWith("BOOLEAN"))
        return ColumnType::Bool;
    if (d.startsWith("DATETIME"))
        return ColumnType::Date;
    if (d.startsWith("MEMO"))
        return ColumnType::Memo;
    if (d.startsWith("BLOB"))
        return ColumnType::Other;
    if (d.startsWith("INTEGER"))
        return ColumnType::Integer;
    if (d.startsWith("REAL"))
        return ColumnType::Real;
    if (d.startsWith("TEXT"))
        return ColumnType::Text;
    switch (storage) {  // an expression: go by what it holds
    case SQLITE_INTEGER:
        return ColumnType::Integer;
    case SQLITE_FLOAT:
        return ColumnType::Real;
    default:
        return ColumnType::Text;
    }
}

int thaiCompare(void* collation, int lengthA, const void* a, int lengthB, const void* b) {
    return static_cast<ThaiCollation*>(collation)->compare(
        std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(lengthA)),
        std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(lengthB)));
}

// A query text with its whole-number literals taken out as parameters. What
// follows ORDER is kept as written, since "order by 3" names a column.
struct QueryShape {
    QByteArray text;
    std::vector<sqlite3_int64> parameters;
};

QueryShape shapeOf(const QByteArray& sql) {
    QueryShape shape;
    shape.text.reserve(sql.size());
    const auto isWordChar = [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
               c == '_' || c == '.' || static_cast<unsigned char>(c) >= 0x80;
    };
    char quote = 0;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const char c = sql[i];
        if (quote) {
            if (c == quote)
                quote = 0;
            shape.text += c;
            continue;
        }
        if (c == '\'' || c == '"' || c == '[') {
            quote = c == '[' ? ']' : c;
            shape.text += c;
            continue;
        }
        if ((c == 'o' || c == 'O') && (i == 0 || !isWordChar(sql[i - 1])) &&
            sql.mid(i, 5).compare("order", Qt::CaseInsensitive) == 0 &&
            (i + 5 >= sql.size() || !isWordChar(sql[i + 5]))) {
            shape.text += sql.mid(i);
            break;
        }
        if (c >= '0' && c <= '9' && (i == 0 || !isWordChar(sql[i - 1]))) {
            qsizetype end = i;
            while (end < sql.size() && sql[end] >= '0' && sql[end] <= '9')
                ++end;
            bool ok = false;
            const qlonglong n = sql.mid(i, end - i).toLongLong(&ok);
            if (ok && (end == sql.size() || !isWordChar(sql[end]))) {
                shape.parameters.push_back(n);
                shape.text += '?';
                i = end - 1;
                continue;
            }
        }
        shape.text += c;
    }
    return shape;
}

}  // namespace

// Streams rows from the file into SQLite inside one transaction.
class Engine::Loader : public TableSink {
public:
    explicit Loader(Engine& engine) : m_engine(engine) {}
    ~Loader() override { sqlite3_finalize(m_insert); }

    void beginTable(const TableSchema& schema) override {
        m_schema = schema;
        QString create = QStringLiteral("CREATE TABLE %1 (").arg(quoted(schema.name));
        QString insert = QStringLiteral("INSERT INTO %1 VALUES (").arg(quoted(schema.name));
        for (std::size_t i = 0; i < schema.columns.size(); ++i) {
            const auto& column = schema.columns[i];
            create += (i ? QStringLiteral(", ") : QString()) + quoted(column.name) +
                      QLatin1Char(' ') + QLatin1String(declaredType(column.type));
            insert += i ? QStringLiteral(", ?") : QStringLiteral("?");
        }
        try {
            m_engine.exec(create + QLatin1Char(')'));
        } catch (const EngineError&) {
            // The statement itself, full of a damaged file's names, tells the user nothing.
            throw EngineError("table " + schema.name.toStdString() +
                              " has no columns, or columns whose names cannot be told apart");
        }
        m_insert = m_engine.prepare((insert + QLatin1Char(')')).toUtf8());
    }

    void row(std::span<const Value> values) override {
        for (std::size_t i = 0; i < values.size(); ++i) {
            const int p = static_cast<int>(i) + 1;
            const Value& v = values[i];
            switch (v.kind()) {
            case Value::Kind::Null:
                sqlite3_bind_null(m_insert, p);
                break;
            case Value::Kind::Bool:
                sqlite3_bind_int(m_insert, p, v.isTrue() ? 1 : 0);
                break;
            case Value::Kind::Integer:
                sqlite3_bind_int64(m_insert, p, v.toInteger(INT64_MIN, INT64_MAX));
                break;
            case Value::Kind::Real:
                sqlite3_bind_double(m_insert, p, v.toReal());
                break;
            case Value::Kind::Date:
                sqlite3_bind_double(m_insert, p, v.toDate().days);
                break;
            case Value::Kind::Text:
                if (m_schema.columns[i].type == ColumnType::Memo) {
                    m_engine.m_memos.push_back(v.toText());
                    sqlite3_bind_int64(m_insert, p,
                                       static_cast<sqlite3_int64>(m_engine.m_memos.size() - 1));
                } else {
                    const QByteArray utf8 = v.toText().toUtf8();
                    sqlite3_bind_text(m_insert, p, utf8.constData(), static_cast<int>(utf8.size()),
                                      SQLITE_TRANSIENT);
                }
                break;
            }
        }
        if (sqlite3_step(m_insert) != SQLITE_DONE)
            throw EngineError(std::string("cannot store a row of table ") +
                              m_schema.name.toStdString() + ": " + sqlite3_errmsg(m_engine.m_db));
        sqlite3_reset(m_insert);
    }

    void endTable() override {
        sqlite3_finalize(m_insert);
        m_insert = nullptr;
        m_engine.m_schemas.emplace(m_schema.name.toLower(), m_schema);
        m_engine.createIndexes(m_schema);
    }

    void damaged(const QString& reason) override { m_engine.m_damage << reason; }

private:
    Engine& m_engine;
    TableSchema m_schema;
    sqlite3_stmt* m_insert = nullptr;
};

Engine::Engine(QString path) : m_path(std::move(path)), m_collation(std::make_unique<ThaiCollation>()) {
    if (sqlite3_open_v2(":memory:", &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK)
        throw EngineError("cannot create the in-memory database");
    sqlite3_create_collation(m_db, "THAI", SQLITE_UTF8, m_collation.get(), thaiCompare);
    // Sorting must not spill to a temporary file: the program writes no file.
    exec(QStringLiteral("PRAGMA temp_store = MEMORY"));
}

Engine::~Engine() {
    for (auto& [text, statement] : m_statements)
        sqlite3_finalize(statement.handle);
    sqlite3_close(m_db);
}

std::unique_ptr<Engine> Engine::open(const QString& path, const QStringList& tables,
                                     const ReadOptions& options) {
    std::unique_ptr<Engine> engine(new Engine(path));
    Loader loader(*engine);
    engine->exec(QStringLiteral("BEGIN"));
    try {
        ReaderProcess::read(path, tables, loader, ReaderProcess::Limits{}, options);
    } catch (const EngineError& e) {
        throw FamilyFileError(path, QStringLiteral("cannot be loaded: %1")
                                        .arg(QString::fromUtf8(e.what())));
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
    if (it == m_schemas.end())
        return false;
    for (const ColumnInfo& existing : it->second.columns)
        if (existing.name.compare(column.name, Qt::CaseInsensitive) == 0)
            return false;
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
            if (column.name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                return true;
        return false;
    };
    const QString table = quoted(schema.name);
    int n = 0;
    const auto index = [&](const QString& columns) {
        exec(QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                 .arg(quoted(schema.name + QStringLiteral("_kinmora_index_") + QString::number(++n)),
                      table, columns));
    };
    if (has("code"))
        index(QStringLiteral("code"));
    if (has("fathercode") && has("mothercode")) {
        index(QStringLiteral("fathercode, mothercode"));
        index(QStringLiteral("mothercode, fathercode"));
    }
}

void Engine::exec(const QString& sql) {
    char* message = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string reason = message ? message : "unknown error";
        sqlite3_free(message);
        throw EngineError(sql.toStdString() + ": " + reason);
    }
}

sqlite3_stmt* Engine::prepare(const QByteArray& sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.constData(), static_cast<int>(sql.size()), &statement,
                           nullptr) != SQLITE_OK) {
        const std::string reason = sqlite3_errmsg(m_db);
        sqlite3_finalize(statement);
        throw EngineError("the query \"" + sql.toStdString() + "\" failed: " + reason);
    }
    return statement;
}

std::shared_ptr<const ResultTable> Engine::query(const QString& sql) {
    const QByteArray utf8 = sql.toUtf8();
    QueryShape shape = shapeOf(utf8);
    auto it = m_statements.find(shape.text);
    if (it == m_statements.end()) {
        sqlite3_stmt* handle = nullptr;
        try {
            handle = prepare(shape.text);
        } catch (const EngineError&) {
            // Report the text as it was sent, not its prepared shape.
            throw EngineError("the query \"" + utf8.toStdString() + "\" failed: " +
                              sqlite3_errmsg(m_db));
        }
        if (m_statements.size() >= kMaxStatements) {
            for (auto& [text, statement] : m_statements)
                sqlite3_finalize(statement.handle);
            m_statements.clear();
        }
        it = m_statements.emplace(shape.text, Statement{handle}).first;
    }
    sqlite3_stmt* statement = it->second.handle;
    for (std::size_t i = 0; i < shape.parameters.size(); ++i)
        sqlite3_bind_int64(statement, static_cast<int>(i) + 1, shape.parameters[i]);

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
    const std::string reason = sqlite3_errmsg(m_db);
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    if (status != SQLITE_DONE)
        throw EngineError("the query \"" + utf8.toStdString() + "\" failed: " + reason);
    return result;
}

Value Engine::cellValue(sqlite3_stmt* statement, int column, ColumnType type) const {
    const int storage = sqlite3_column_type(statement, column);
    if (storage == SQLITE_NULL || type == ColumnType::Other)
        return Value::null();
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
        const auto index = static_cast<std::size_t>(sqlite3_column_int64(statement, column));
        return index < m_memos.size() ? Value::text(m_memos[index]) : Value::null();
    }
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        return Value::text(QString::fromUtf8(text, sqlite3_column_bytes(statement, column)));
    }
    }
}

}  // namespace kinmora
