// Text columns are declared with the Thai collation, so every comparison
// and every ORDER BY on them follows Thai order.
#include "data/sql_text.h"

namespace kinmora::sql_text {

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

}  // namespace kinmora::sql_text
