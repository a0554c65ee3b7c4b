// RowPageBuilder fills one row page: header, row offset table and rows packed from the end.
#include "row_page_builder.h"

#include <stdexcept>

#include "little_endian.h"

namespace kinmora::mkfamily {

RowPageBuilder::RowPageBuilder(std::uint32_t owner, const JetFormat& format)
    : m_format(format), m_owner(owner) {
    clear();
}

void RowPageBuilder::clear() {
    m_page.assign(m_format.pageSize, '\0');
    m_rowCount = 0;
    m_rowsStart = m_format.pageSize;
}

std::size_t RowPageBuilder::freeSpace() const {
    return m_rowsStart - m_format.rowPageHeaderSize - m_rowCount * jet::kRowOffsetSize;
}

bool RowPageBuilder::fits(std::size_t rowSize) const {
    return m_rowCount < jet::kMaxRowsPerPage && rowSize + jet::kRowOffsetSize <= freeSpace();
}

std::uint16_t RowPageBuilder::add(std::string_view row) {
    if (!fits(row.size())) throw std::logic_error("row added to a page without room for it");
    m_rowsStart -= row.size();
    m_page.replace(m_rowsStart, row.size(), row);
    const auto number = static_cast<std::uint16_t>(m_rowCount++);
    little_endian::put16(m_page, m_format.rowPageHeaderSize + number * jet::kRowOffsetSize,
                         static_cast<std::uint16_t>(m_rowsStart));
    return number;
}

const std::string& RowPageBuilder::page() {
    m_page[0] = static_cast<char>(jet::kRowPage);
    m_page[1] = 0x01;
    little_endian::put16(m_page, 2, static_cast<std::uint16_t>(freeSpace()));
    little_endian::put32(m_page, 4, m_owner);
    // Jet 4 has four more bytes before the row count; they stay 0.
    little_endian::put16(m_page, m_format.rowPageHeaderSize - 2,
                         static_cast<std::uint16_t>(m_rowCount));
    return m_page;
}

}  // namespace kinmora::mkfamily
