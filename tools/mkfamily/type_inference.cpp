// TypeInference picks the type of a column whose header gives none, from the values it holds.
#include "type_inference.h"

#include <algorithm>

#include "access_date.h"
#include "cell_parser.h"
#include "cp874_encoder.h"

namespace kinmora::mkfamily {

void TypeInference::observe(std::string_view cell) {
    if (cell.empty()) return;
    m_seenValue = true;
    if (m_allWholeNumbers) m_allWholeNumbers = CellParser::isPlainLongInteger(cell);
    if (m_allDates) m_allDates = AccessDate::fromText(cell).has_value();
    m_longest = std::max(m_longest, Cp874Encoder::characterCount(cell));
}

ColumnType TypeInference::result() const {
    if (!m_seenValue) return ColumnType::Text;
    if (m_allWholeNumbers) return ColumnType::LongInteger;
    if (m_allDates) return ColumnType::DateTime;
    return m_longest > 255 ? ColumnType::Memo : ColumnType::Text;
}

}  // namespace kinmora::mkfamily
