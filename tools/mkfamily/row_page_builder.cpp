// RowPageBuilder fills one Jet 3 row page: header, row offset table and rows packed from the end.
#include "row_page_builder.h"

#include <stdexcept>

#include "jet3_format.h"
#include "little_endian.h"

namespace kinmora::mkfamily {

RowPageBuilder::RowPageBuilder(std::uint32_t owner) : owner_(owner) {
    clear();
}

void RowPageBuilder::clear() {
    page_.assign(jet3::kPageSize, '\0');
    rowCount_ = 0;
    rowsStart_ = jet3::kPageSize;
}

std::size_t RowPageBuilder::freeSpace() const {
    return rowsStart_ - jet3::kRowPageHeaderSize - rowCount_ * jet3::kRowOffsetSize;
}

bool RowPageBuilder::fits(std::size_t rowSize) const {
    return rowCount_ < jet3::kMaxRowsPerPage && rowSize + jet3::kRowOffsetSize <= freeSpace();
}

std::uint16_t RowPageBuilder::add(std::string_view row) {
    if (!fits(row.size())) throw std::logic_error("row added to a page without room for it");
    rowsStart_ -= row.size();
    page_.replace(rowsStart_, row.size(), row);
    const auto number = static_cast<std::uint16_t>(rowCount_++);
    little_endian::put16(page_, jet3::kRowPageHeaderSize + number * jet3::kRowOffsetSize,
                         static_cast<std::uint16_t>(rowsStart_));
    return number;
}

const std::string& RowPageBuilder::page() {
    page_[0] = static_cast<char>(jet3::kRowPage);
    page_[1] = 0x01;
    little_endian::put16(page_, 2, static_cast<std::uint16_t>(freeSpace()));
    little_endian::put32(page_, 4, owner_);
    little_endian::put16(page_, 8, static_cast<std::uint16_t>(rowCount_));
    return page_;
}

}  // namespace kinmora::mkfamily
