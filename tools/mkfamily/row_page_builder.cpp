// RowPageBuilder fills one Jet 3 row page: header, row offset table and rows packed from the end.
#include "row_page_builder.h"

#include <stdexcept>

#include "jet3_format.h"
#include "little_endian.h"

namespace kinmora::mkfamily {

RowPageBuilder::RowPageBuilder(std::uint32_t owner) : m_owner(owner) {
    clear();
}

void RowPageBuilder::clear() {
    m_page.assign(jet3::kPageSize, '\0');
    m_rowCount = 0;
    m_rowsStart = jet3::kPageSize;
}

std::size_t RowPageBuilder::freeSpace() const {
    return m_rowsStart - jet3::kRowPageHeaderSize - m_rowCount * jet3::kRowOffsetSize;
}

bool RowPageBuilder::fits(std::size_t rowSize) const {
    return m_rowCount < jet3::kMaxRowsPerPage && rowSize + jet3::kRowOffsetSize <= freeSpace();
}

std::uint16_t RowPageBuilder::add(std::string_view row) {
    if (!fits(row.size())) throw std::logic_error("row added to a page without room for it");
    m_rowsStart -= row.size();
    m_page.replace(m_rowsStart, row.size(), row);
    const auto number = static_cast<std::uint16_t>(m_rowCount++);
    little_endian::put16(m_page, jet3::kRowPageHeaderSize + number * jet3::kRowOffsetSize,
                         static_cast<std::uint16_t>(m_rowsStart));
    return number;
}

const std::string& RowPageBuilder::page() {
    m_page[0] = static_cast<char>(jet3::kRowPage);
    m_page[1] = 0x01;
    little_endian::put16(m_page, 2, static_cast<std::uint16_t>(freeSpace()));
    little_endian::put32(m_page, 4, m_owner);
    little_endian::put16(m_page, 8, static_cast<std::uint16_t>(m_rowCount));
    return m_page;
}

}  // namespace kinmora::mkfamily
