// ColumnLayout places each column of a table in the row: fixed offset or variable slot.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "table_content.h"

namespace kinmora::mkfamily {

struct ColumnPlace {
    ColumnType type;
    std::uint16_t number;  // position in the table, also its bit in the null bitmap
    bool fixed;
    std::uint16_t fixedOffset;  // within the fixed area, for fixed columns
    std::uint16_t varIndex;     // slot in the variable offset table, for the others
};

class ColumnLayout {
public:
    explicit ColumnLayout(const std::vector<Column>& columns);

    const std::vector<ColumnPlace>& places() const { return m_places; }
    std::size_t fixedAreaSize() const { return m_fixedAreaSize; }
    std::size_t variableCount() const { return m_variableCount; }

private:
    std::vector<ColumnPlace> m_places;
    std::size_t m_fixedAreaSize = 0;
    std::size_t m_variableCount = 0;
};

}  // namespace kinmora::mkfamily
