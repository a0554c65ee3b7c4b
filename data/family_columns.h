// The fields of a family file's tables that the program reads, with their
// types: the reader adds the ones a file lacks, the writer types them by name.
#pragma once

#include <string_view>

#include "data/column_type.h"

namespace kinmora {

struct FamilyColumn {
    std::string_view name;  // lower case; files may spell it in any case
    ColumnType type;
};

// The person table "family". The married table shares the two parent codes.
inline constexpr FamilyColumn kFamilyColumns[] = {
    {"code", ColumnType::Integer},       {"name", ColumnType::Text},
    {"surname", ColumnType::Text},       {"sex", ColumnType::Bool},
    {"born", ColumnType::Date},          {"die", ColumnType::Date},
    {"still", ColumnType::Bool},         {"biography", ColumnType::Memo},
    {"fathercode", ColumnType::Integer}, {"mothercode", ColumnType::Integer},
};

}  // namespace kinmora
