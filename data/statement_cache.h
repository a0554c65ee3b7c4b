// The prepared statements of one SQLite connection, kept by their text so
// that a query asked again is not prepared again.
#pragma once

#include <QByteArray>
#include <QHash>
#include <cstddef>
#include <list>
#include <vector>

#include "data/sqlite_handles.h"

namespace kinmora {

class StatementCache {
public:
    // Prepares on `db`, which must outlive the cache, and keeps at most
    // `capacity` statements (at least one).
    StatementCache(sqlite3* db, std::size_t capacity);
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    // The statement for `sql`, prepared now or kept from before, reset and
    // with no parameter bound. It stays valid until the next call. When the
    // cache is full, the statement used longest ago is finalized. Throws
    // FamilyFileError (BadQuery) with SQLite's reason when `sql` cannot be
    // prepared.
    sqlite3_stmt* statement(const QByteArray& sql);

    // The statements kept now, the one used last first.
    std::vector<sqlite3_stmt*> statements() const;

private:
    struct Entry {
        QByteArray sql;
        SqliteStatement statement;
    };

    sqlite3* m_db;
    std::size_t m_capacity;
    std::list<Entry> m_entries;  // the one used last first
    QHash<QByteArray, std::list<Entry>::iterator> m_bySql;
};

}  // namespace kinmora
