// RowEncoder lays out one table row: column count, fixed area, variable data, variable offset
// table (in Jet 3 with a jump table) and the null bitmap.
#pragma once

#include <string>
#include <vector>

#include "cell_value.h"
#include "column_layout.h"
#include "jet_format.h"

namespace kinmora::mkfamily {

class RowEncoder {
public:
    RowEncoder(const ColumnLayout& layout, const JetFormat& format);

    // `longValueFields` holds, for each memo/OLE column in table order, the field
    // LongValueWriter returned, or an empty string for Null.
    // Throws std::invalid_argument if the row cannot be laid out.
    std::string encode(const std::vector<CellValue>& row,
                       const std::vector<std::string>& longValueFields) const;

private:
    const ColumnLayout& m_layout;
    const JetFormat& m_format;
};

}  // namespace kinmora::mkfamily
