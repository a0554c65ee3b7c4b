// TypeInference picks the type of a column whose header gives none, from the values it holds.
#include "type_inference.h"

#include <algorithm>

#include "access_date.h"
#include "cell_parser.h"

namespace kinmora::mkfamily {

void TypeInference::observe(std::string_view cell) {
    if (cell.empty()) return;
    m_seenValue = true;
    if (m_allWholeNumbers) m_allWholeNumbers = CellParser::isPlainLongInteger(cell);
    if (m_allDates) m_allDates = AccessDate::fromText(cell).has_value();
    // UTF-16 code units, as Access counts Text lengths: a four-byte sequence takes two.
    std::size_t length = 0;
    for (const char ch : cell) {
        const auto byte = static_cast<unsigned char>(ch);
        if ((byte & 0xC0) != 0x80) ++length;
        if (byte >= 0xF0) ++length;
    }
    m_longest = std::max(m_longest, length);
}

ColumnType TypeInference::result() const {
    if (!m_seenValue) return ColumnType::Text;
    if (m_allWholeNumbers) return ColumnType::LongInteger;
    if (m_allDates) return ColumnType::DateTime;
    return m_longest > 255 ? ColumnType::Memo : ColumnType::Text;
}

}  // namespace kinmora::mkfamily
