// TypeInference picks the type of a column whose header gives none, from the values it holds.
#include "type_inference.h"

#include <algorithm>

#include "access_date.h"
#include "cell_parser.h"
#include "cp874_encoder.h"

namespace kinmora::mkfamily {

void TypeInference::observe(std::string_view cell) {
    if (cell.empty()) return;
    seenValue_ = true;
    if (allWholeNumbers_) allWholeNumbers_ = CellParser::isPlainLongInteger(cell);
    if (allDates_) allDates_ = AccessDate::fromText(cell).has_value();
    longest_ = std::max(longest_, Cp874Encoder::characterCount(cell));
}

ColumnType TypeInference::result() const {
    if (!seenValue_) return ColumnType::Text;
    if (allWholeNumbers_) return ColumnType::LongInteger;
    if (allDates_) return ColumnType::DateTime;
    return longest_ > 255 ? ColumnType::Memo : ColumnType::Text;
}

}  // namespace kinmora::mkfamily
