// UsageMapWriter builds the usage map row that tells readers which pages hold a table's rows.
#include "usage_map_writer.h"

#include <stdexcept>

#include "jet3_format.h"
#include "little_endian.h"

namespace kinmora::mkfamily {

namespace {

// Inline map: type 0, first page, then one bit per page from there.
constexpr std::size_t kInlineBitmapStart = 5;
constexpr std::size_t kInlinePages = (jet3::kUsageMapRowSize - kInlineBitmapStart) * 8;
// Paged map: type 1, then page numbers of bitmap pages, each covering a fixed stretch of
// the file counted from page 0.
constexpr std::size_t kBitmapPageHeader = 4;
constexpr std::size_t kPagesPerBitmapPage = (jet3::kPageSize - kBitmapPageHeader) * 8;
constexpr std::size_t kBitmapPageSlots = (jet3::kUsageMapRowSize - 1) / 4;

void setBit(std::string& bytes, std::size_t at, std::size_t bit) {
    bytes[at + bit / 8] = static_cast<char>(bytes[at + bit / 8] | (1 << (bit % 8)));
}

}  // namespace

UsageMapWriter::UsageMapWriter(PageFile& file) : m_file(file) {}

std::string UsageMapWriter::mapOf(const std::vector<std::uint32_t>& pages) {
    if (pages.empty() || pages.back() - pages.front() < kInlinePages) return inlineMap(pages);
    return pagedMap(pages);
}

std::string UsageMapWriter::inlineMap(const std::vector<std::uint32_t>& pages) const {
    std::string row(jet3::kUsageMapRowSize, '\0');
    if (pages.empty()) return row;
    little_endian::put32(row, 1, pages.front());
    for (const std::uint32_t page : pages) setBit(row, kInlineBitmapStart, page - pages.front());
    return row;
}

std::string UsageMapWriter::pagedMap(const std::vector<std::uint32_t>& pages) {
    std::string row(jet3::kUsageMapRowSize, '\0');
    row[0] = 0x01;
    std::size_t at = 0;
    while (at < pages.size()) {
        const std::size_t slot = pages[at] / kPagesPerBitmapPage;
        if (slot >= kBitmapPageSlots) {
            throw std::runtime_error("a table's pages reach past what a Jet 3 usage map covers");
        }
        std::string bitmap(jet3::kPageSize, '\0');
        bitmap[0] = static_cast<char>(jet3::kUsageBitmapPage);
        bitmap[1] = 0x01;
        for (; at < pages.size() && pages[at] / kPagesPerBitmapPage == slot; ++at) {
            setBit(bitmap, kBitmapPageHeader, pages[at] % kPagesPerBitmapPage);
        }
        little_endian::put32(row, 1 + slot * 4, m_file.append(bitmap));
    }
    return row;
}

}  // namespace kinmora::mkfamily
