// TableContent is one table ready for writing: its name, typed columns and rows.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "cell_value.h"
#include "column_type.h"

namespace kinmora::mkfamily {

struct Column {
    std::string name;  // UTF-8
    ColumnType type;
};

struct TableContent {
    std::string name;        // UTF-8
    std::string sourceName;  // for error messages
    bool system = false;     // catalog tables are flagged as Access system tables
    std::vector<Column> columns;
    std::vector<std::vector<CellValue>> rows;
    std::vector<std::size_t> rowLines;  // source line each row starts on
};

}  // namespace kinmora::mkfamily
