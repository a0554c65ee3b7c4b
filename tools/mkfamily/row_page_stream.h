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
    const std::vector<std::uint32_t>& pages() const { return pages_; }

private:
    void closePage();

    PageFile& file_;
    RowPageBuilder builder_;
    std::vector<std::uint32_t> pages_;
    bool open_ = false;
};

}  // namespace kinmora::mkfamily
