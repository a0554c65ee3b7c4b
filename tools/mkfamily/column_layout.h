// ColumnLayout places each column of a table in the Jet 3 row: fixed offset or variable slot.
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

    const std::vector<ColumnPlace>& places() const { return places_; }
    std::size_t fixedAreaSize() const { return fixedAreaSize_; }
    std::size_t variableCount() const { return variableCount_; }

private:
    std::vector<ColumnPlace> places_;
    std::size_t fixedAreaSize_ = 0;
    std::size_t variableCount_ = 0;
};

}  // namespace kinmora::mkfamily
