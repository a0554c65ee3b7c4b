// The shape of one table of a family file: its name and its typed columns.
#pragma once

#include <QString>
#include <vector>

#include "data/column_type.h"

namespace kinmora {

struct ColumnInfo {
    QString name;
    ColumnType type = ColumnType::Text;
    // Bytes the file stores a whole number in (1, 2 or 4); 0 for every other
    // type and for columns the file lacks. Exports keep a column's width by it.
    int size = 0;
};

struct TableSchema {
    QString name;  // as the file spells it
    std::vector<ColumnInfo> columns;
};

}  // namespace kinmora
