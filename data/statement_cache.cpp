// A list in order of use with a map into it: finding, using and evicting a
// statement each take constant time.
#include "data/statement_cache.h"

#include <algorithm>

#include "data/family_file_error.h"

namespace kinmora {

StatementCache::StatementCache(sqlite3* db, std::size_t capacity)
    : m_db(db), m_capacity(std::max<std::size_t>(capacity, 1)) {}

sqlite3_stmt* StatementCache::statement(const QByteArray& sql) {
    if (const auto found = m_bySql.find(sql); found != m_bySql.end()) {
        m_entries.splice(m_entries.begin(), m_entries, found.value());
        sqlite3_stmt* statement = m_entries.front().statement.get();
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
        return statement;
    }
    sqlite3_stmt* prepared = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.constData(), static_cast<int>(sql.size()), &prepared,
                           nullptr) != SQLITE_OK) {
        sqlite3_finalize(prepared);
        throw FamilyFileError(FamilyFileError::Kind::BadQuery,
                              QString::fromUtf8(sqlite3_errmsg(m_db)));
    }
    SqliteStatement owned(prepared);
    if (m_entries.size() >= m_capacity) {
        m_bySql.remove(m_entries.back().sql);
        m_entries.pop_back();
    }
    m_entries.push_front(Entry{sql, std::move(owned)});
    m_bySql.insert(sql, m_entries.begin());
    return prepared;
}

std::vector<sqlite3_stmt*> StatementCache::statements() const {
    std::vector<sqlite3_stmt*> kept;
    for (const Entry& entry : m_entries) kept.push_back(entry.statement.get());
    return kept;
}

}  // namespace kinmora
