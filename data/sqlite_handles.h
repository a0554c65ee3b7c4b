// Owners of SQLite's connection and statement handles, released however their owner leaves.
#pragma once

#include <sqlite3.h>

#include <memory>

namespace kinmora {

struct SqliteCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct SqliteFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

// A connection; every statement of it must be gone before it is.
using SqliteDatabase = std::unique_ptr<sqlite3, SqliteCloser>;
using SqliteStatement = std::unique_ptr<sqlite3_stmt, SqliteFinalizer>;

}  // namespace kinmora
