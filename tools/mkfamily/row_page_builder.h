// RowPageBuilder fills one row page: header, row offset table and rows packed from the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "jet_format.h"

namespace kinmora::mkfamily {

class RowPageBuilder {
public:
    // `owner` is the table definition page for data rows, jet::kLongValueOwner for long
    // values, 0 for usage map rows.
    RowPageBuilder(std::uint32_t owner, const JetFormat& format);

    bool fits(std::size_t rowSize) const;
    std::uint16_t add(std::string_view row);  // returns the row number; the row must fit
    const std::string& page();                // the finished page
    void clear();

private:
    std::size_t freeSpace() const;

    const JetFormat& m_format;
    std::uint32_t m_owner;
    std::string m_page;
    std::size_t m_rowCount = 0;
    std::size_t m_rowsStart;  // rows occupy [m_rowsStart, page end)
};

}  // namespace kinmora::mkfamily
