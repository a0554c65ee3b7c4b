// Loading copies the tables into SQLite once, in one transaction; every
// query then runs there.
#include "data/engine_loader.h"

#include "data/family_file_error.h"
#include "data/sql_text.h"

namespace kinmora {

Engine::Loader::Loader(Engine& engine) : m_engine(engine) {}

void Engine::Loader::beginTable(const TableSchema& schema) {
    m_schema = schema;
    QString create = QStringLiteral("CREATE TABLE %1 (").arg(sql_text::quoted(schema.name));
    QString insert = QStringLiteral("INSERT INTO %1 VALUES (").arg(sql_text::quoted(schema.name));
    for (std::size_t i = 0; i < schema.columns.size(); ++i) {
        const auto& column = schema.columns[i];
        create += (i ? QStringLiteral(", ") : QString()) + sql_text::quoted(column.name) +
                  QLatin1Char(' ') + QLatin1String(sql_text::declaredType(column.type));
        insert += i ? QStringLiteral(", ?") : QStringLiteral("?");
    }
    try {
        m_engine.exec(create + QLatin1Char(')'));
    } catch (const FamilyFileError&) {
        // The statement itself, full of a damaged file's names, tells the user nothing.
        throw FamilyFileError(
            FamilyFileError::Kind::Damaged,
            QStringLiteral("table %1 has no columns, or columns whose names cannot be told apart")
                .arg(schema.name));
    }
    const QByteArray sql = (insert + QLatin1Char(')')).toUtf8();
    sqlite3_stmt* prepared = nullptr;
    sqlite3_prepare_v2(m_engine.m_db.get(), sql.constData(), static_cast<int>(sql.size()),
                       &prepared, nullptr);
    m_insert.reset(prepared);
    if (!m_insert)
        throw FamilyFileError(
            FamilyFileError::Kind::Damaged,
            QStringLiteral("table %1 cannot be stored: %2")
                .arg(schema.name, QString::fromUtf8(sqlite3_errmsg(m_engine.m_db.get()))));
}

void Engine::Loader::row(std::span<const Value> values) {
    sqlite3_stmt* insert = m_insert.get();
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int p = static_cast<int>(i) + 1;
        const Value& v = values[i];
        switch (v.kind()) {
            case Value::Kind::Null:
                sqlite3_bind_null(insert, p);
                break;
            case Value::Kind::Bool:
                sqlite3_bind_int(insert, p, v.isTrue() ? 1 : 0);
                break;
            case Value::Kind::Integer:
                sqlite3_bind_int64(insert, p, v.toInteger(INT64_MIN, INT64_MAX));
                break;
            case Value::Kind::Real:
                sqlite3_bind_double(insert, p, v.toReal());
                break;
            case Value::Kind::Date:
                sqlite3_bind_double(insert, p, v.toDate().days);
                break;
            case Value::Kind::Text:
                if (m_schema.columns[i].type == ColumnType::Memo) {
                    sqlite3_bind_int64(insert, p, m_engine.m_memos.add(v.toText()));
                } else if (m_schema.columns[i].type == ColumnType::Text) {
                    const std::string_view token = m_engine.m_texts.token(v.toText());
                    sqlite3_bind_text(insert, p, token.data(), static_cast<int>(token.size()),
                                      SQLITE_TRANSIENT);
                } else {  // a number libmdb gave as text: SQLite makes it a number
                    const QByteArray utf8 = v.toText().toUtf8();
                    sqlite3_bind_text(insert, p, utf8.constData(), static_cast<int>(utf8.size()),
                                      SQLITE_TRANSIENT);
                }
                break;
        }
    }
    if (sqlite3_step(insert) != SQLITE_DONE)
        throw FamilyFileError(
            FamilyFileError::Kind::Damaged,
            QStringLiteral("cannot store a row of table %1: %2")
                .arg(m_schema.name, QString::fromUtf8(sqlite3_errmsg(m_engine.m_db.get()))));
    sqlite3_reset(insert);
}

void Engine::Loader::endTable() {
    m_insert.reset();
    m_engine.m_schemas.emplace(m_schema.name.toLower(), m_schema);
    m_engine.createIndexes(m_schema);
}

void Engine::Loader::damaged(const QString& reason) {
    m_engine.m_damage << reason;
}

}  // namespace kinmora
