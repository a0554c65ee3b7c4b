// UsageMapWriter builds the usage map row that tells readers which pages hold a table's rows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "page_file.h"

namespace kinmora::mkfamily {

class UsageMapWriter {
public:
    explicit UsageMapWriter(PageFile& file);

    // A map row (128 bytes in Jet 3, 64 in Jet 4) listing `pages` (ascending). Pages within
    // 984 (Jet 4: 472) of the first fit in the row's own bitmap; wider spreads get bitmap
    // pages, written to the file here.
    std::string mapOf(const std::vector<std::uint32_t>& pages);

private:
    std::string inlineMap(const std::vector<std::uint32_t>& pages) const;
    std::string pagedMap(const std::vector<std::uint32_t>& pages);

    PageFile& m_file;
};

}  // namespace kinmora::mkfamily
