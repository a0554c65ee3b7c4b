// How the engine writes table and column names and column types into SQLite's SQL.
#pragma once

#include <QString>

#include "data/table_schema.h"

namespace kinmora::sql_text {

// `identifier` in double quotes, a quote inside it doubled.
QString quoted(const QString& identifier);
// The declared type a column of `type` is created with; queries read the
// type back from it (see Engine).
const char* declaredType(ColumnType type);

}  // namespace kinmora::sql_text
