// RowPageStream appends rows to a run of row pages, opening a new page whenever one is full.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "page_file.h"
#include "row_page_builder.h"

namespace kinmora::mkfamily {

class RowPageStream {
public:
    RowPageStream(PageFile& file, std::uint32_t owner);

    // Starts a page now, so that it gets the next page number.
    void openPage();
    // Stores the row and returns its row pointer (page << 8 | row).
    std::uint32_t add(std::string_view row);
    // Writes the open page; call once, after the last row.
    void finish();

    // Every page opened, in order.
    const std::vector<std::uint32_t>& pages() const { return m_pages; }

private:
    void closePage();

    PageFile& m_file;
    RowPageBuilder m_builder;
    std::vector<std::uint32_t> m_pages;
    bool m_open = false;
};

}  // namespace kinmora::mkfamily
