// LongValueWriter stores memo values: inline in the row when short, otherwise on long value
// pages, as one row or as a chain of page-sized rows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "page_file.h"
#include "row_page_stream.h"

namespace kinmora::mkfamily {

class LongValueWriter {
public:
    explicit LongValueWriter(PageFile& file);

    // Returns the field the row holds for `value`: 12 bytes, followed by the value itself
    // when it is stored inline, which happens when it is at most `inlineLimit` bytes.
    std::string store(std::string_view value, std::size_t inlineLimit);
    // Writes the last, partly filled page.
    void finish();

private:
    std::uint32_t storeChain(std::string_view value);

    PageFile& m_file;
    RowPageStream m_pages;
};

}  // namespace kinmora::mkfamily
