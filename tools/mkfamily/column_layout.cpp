// ColumnLayout places each column of a table in the row: fixed offset or variable slot.
#include "column_layout.h"

namespace kinmora::mkfamily {

ColumnLayout::ColumnLayout(const std::vector<Column>& columns) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const ColumnType type = columns[i].type;
        ColumnPlace place{type, static_cast<std::uint16_t>(i), isFixedLength(type), 0, 0};
        if (place.fixed) {
            place.fixedOffset = static_cast<std::uint16_t>(m_fixedAreaSize);
            m_fixedAreaSize += fixedLength(type);
        } else {
            place.varIndex = static_cast<std::uint16_t>(m_variableCount++);
        }
        m_places.push_back(place);
    }
}

}  // namespace kinmora::mkfamily
