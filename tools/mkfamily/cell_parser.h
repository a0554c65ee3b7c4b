// CellParser turns one CSV cell into the typed value its column holds.
#pragma once

#include <string_view>

#include "cell_value.h"
#include "column_type.h"
#include "text_encoder.h"

namespace kinmora::mkfamily {

class CellParser {
public:
    // An empty cell is Null; Text and Memo values come out as the bytes `text` stores.
    // Throws std::invalid_argument saying what is wrong with the cell.
    static CellValue parse(std::string_view cell, ColumnType type, const TextEncoder& text);

    // A whole number within Long Integer range, spelled plainly (no leading zeros, no "-0"),
    // so that inferring a number column never changes how a value reads back.
    static bool isPlainLongInteger(std::string_view cell);
};

}  // namespace kinmora::mkfamily
