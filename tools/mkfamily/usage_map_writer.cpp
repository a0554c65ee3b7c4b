// UsageMapWriter builds the usage map row that tells readers which pages hold a table's rows.
#include "usage_map_writer.h"

#include <stdexcept>

#include "jet_format.h"
#include "little_endian.h"

namespace kinmora::mkfamily {

namespace {

// Inline map: type 0, first page, then one bit per page from there.
constexpr std::size_t kInlineBitmapStart = 5;
// Paged map: type 1, then page numbers of bitmap pages, each covering a fixed stretch of
// the file counted from page 0.
constexpr std::size_t kBitmapPageHeader = 4;

void setBit(std::string& bytes, std::size_t at, std::size_t bit) {
    bytes[at + bit / 8] = static_cast<char>(bytes[at + bit / 8] | (1 << (bit % 8)));
}

}  // namespace

UsageMapWriter::UsageMapWriter(PageFile& file) : m_file(file) {}

std::string UsageMapWriter::mapOf(const std::vector<std::uint32_t>& pages) {
    const std::size_t inlinePages = (m_file.format().usageMapRowSize - kInlineBitmapStart) * 8;
    if (pages.empty() || pages.back() - pages.front() < inlinePages) return inlineMap(pages);
    return pagedMap(pages);
}

std::string UsageMapWriter::inlineMap(const std::vector<std::uint32_t>& pages) const {
    std::string row(m_file.format().usageMapRowSize, '\0');
    if (pages.empty()) return row;
    little_endian::put32(row, 1, pages.front());
    for (const std::uint32_t page : pages) setBit(row, kInlineBitmapStart, page - pages.front());
    return row;
}

std::string UsageMapWriter::pagedMap(const std::vector<std::uint32_t>& pages) {
    const JetFormat& format = m_file.format();
    const std::size_t pagesPerBitmapPage = (format.pageSize - kBitmapPageHeader) * 8;
    const std::size_t bitmapPageSlots = (format.usageMapRowSize - 1) / 4;
    std::string row(format.usageMapRowSize, '\0');
    row[0] = 0x01;
    std::size_t at = 0;
    while (at < pages.size()) {
        const std::size_t slot = pages[at] / pagesPerBitmapPage;
        if (slot >= bitmapPageSlots) {
            throw std::runtime_error("a table's pages reach past what a usage map covers");
        }
        std::string bitmap(format.pageSize, '\0');
        bitmap[0] = static_cast<char>(jet::kUsageBitmapPage);
        bitmap[1] = 0x01;
        for (; at < pages.size() && pages[at] / pagesPerBitmapPage == slot; ++at) {
            setBit(bitmap, kBitmapPageHeader, pages[at] % pagesPerBitmapPage);
        }
        little_endian::put32(row, 1 + slot * 4, m_file.append(bitmap));
    }
    return row;
}

}  // namespace kinmora::mkfamily
