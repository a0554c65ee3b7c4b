// RowEncoder lays out one table row in Jet 3 form: column count, fixed area, variable data,
// variable offset and jump tables, and the null bitmap.
#pragma once

#include <string>
#include <vector>

#include "cell_value.h"
#include "column_layout.h"

namespace kinmora::mkfamily {

class RowEncoder {
public:
    explicit RowEncoder(const ColumnLayout& layout);

    // `longValueFields` holds, for each memo/OLE column in table order, the field
    // LongValueWriter returned, or an empty string for Null.
    // Throws std::invalid_argument if the row cannot be laid out.
    std::string encode(const std::vector<CellValue>& row,
                       const std::vector<std::string>& longValueFields) const;

private:
    const ColumnLayout& m_layout;
};

}  // namespace kinmora::mkfamily
