// The statement cache keeps exactly the statements it can hand out: every one
// alive on the connection, none finalized behind its back, none leaked.
#include "data/statement_cache.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kinmora {
namespace {

// The statements the connection holds, as SQLite itself lists them.
std::vector<sqlite3_stmt*> liveStatements(sqlite3* db) {
    std::vector<sqlite3_stmt*> live;
    for (sqlite3_stmt* s = sqlite3_next_stmt(db, nullptr); s; s = sqlite3_next_stmt(db, s))
        live.push_back(s);
    std::sort(live.begin(), live.end());
    return live;
}

std::vector<sqlite3_stmt*> sorted(std::vector<sqlite3_stmt*> statements) {
    std::sort(statements.begin(), statements.end());
    return statements;
}

// The one number `sql` selects, through the cache.
sqlite3_int64 selectOne(StatementCache& cache, const QByteArray& sql) {
    sqlite3_stmt* statement = cache.statement(sql);
    EXPECT_EQ(sqlite3_step(statement), SQLITE_ROW) << sql.constData();
    const sqlite3_int64 n = sqlite3_column_int64(statement, 0);
    sqlite3_reset(statement);
    return n;
}

TEST(StatementCache, EvictsTheLeastRecentlyUsedAndKeepsTheRestWorking) {
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &raw), SQLITE_OK);
    SqliteDatabase db(raw);
    {
        StatementCache cache(db.get(), 3);
        const auto sql = [](int n) { return QByteArray("select ") + QByteArray::number(n); };
        for (int n = 1; n <= 3; ++n) EXPECT_EQ(selectOne(cache, sql(n)), n);
        EXPECT_EQ(selectOne(cache, sql(1)), 1);  // 1 is now the most recent, 2 the oldest
        EXPECT_EQ(selectOne(cache, sql(4)), 4);  // evicts 2
        // A text that cannot be prepared leaves the cache as it was.
        EXPECT_THROW(cache.statement("select * from nowhere"), std::exception);
        EXPECT_EQ(cache.statements().size(), 3u);
        EXPECT_EQ(sorted(cache.statements()), liveStatements(db.get()));

        // Round after round past the capacity: what is kept still runs, and
        // what was evicted is prepared again.
        for (int round = 0; round < 3; ++round)
            for (int n = 1; n <= 6; ++n) {
                EXPECT_EQ(selectOne(cache, sql(n)), n);
                EXPECT_EQ(sorted(cache.statements()), liveStatements(db.get()));
            }

        // A cached statement comes back reset, with nothing bound.
        sqlite3_stmt* bound = cache.statement("select ?1");
        sqlite3_bind_int64(bound, 1, 42);
        ASSERT_EQ(sqlite3_step(bound), SQLITE_ROW);
        sqlite3_stmt* again = cache.statement("select ?1");
        EXPECT_EQ(again, bound);
        ASSERT_EQ(sqlite3_step(again), SQLITE_ROW);
        EXPECT_EQ(sqlite3_column_type(again, 0), SQLITE_NULL);
        sqlite3_reset(again);
    }
    EXPECT_TRUE(liveStatements(db.get()).empty());
}

}  // namespace
}  // namespace kinmora
