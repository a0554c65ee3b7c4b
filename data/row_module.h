// The SQLite virtual-table module through which queries read the engine's
// stored tables: `CREATE VIRTUAL TABLE name USING kinmora_rows(n)` makes
// table n of the list SQLite's table `name`, with the stored table's columns.
#pragma once

#include <sqlite3.h>

#include <memory>
#include <vector>

#include "data/row_trace.h"
#include "data/stored_table.h"

namespace kinmora {

class TextStore;

struct StoredTables {
    // Shared with the query results whose rows are rows of a stored table.
    std::vector<std::shared_ptr<StoredTable>> tables;
    TextStore* texts = nullptr;  // the store the tables' text numbers refer to
    RowTrace trace;              // what the current step of a query read
};

namespace row_module {

inline constexpr char kName[] = "kinmora_rows";

// Makes the module known to `db`; `tables` must outlive the connection.
void install(sqlite3* db, StoredTables& tables);

}  // namespace row_module
}  // namespace kinmora
