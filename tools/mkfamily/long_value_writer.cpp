// LongValueWriter stores memo values: inline in the row when short, otherwise on long value
// pages, as one row or as a chain of page-sized rows.
#include "long_value_writer.h"

#include "jet_format.h"
#include "little_endian.h"
#include "row_page_builder.h"

namespace kinmora::mkfamily {

namespace {

constexpr std::uint32_t kInline = 0x80;
constexpr std::uint32_t kSingleRow = 0x40;
constexpr std::uint32_t kChain = 0x00;

std::string field(std::size_t length, std::uint32_t storage, std::uint32_t pointer) {
    std::string bytes(jet::kLongValueFieldSize, '\0');
    little_endian::put32(bytes, 0, static_cast<std::uint32_t>(length) | (storage << 24));
    little_endian::put32(bytes, 4, pointer);
    return bytes;
}

}  // namespace

LongValueWriter::LongValueWriter(PageFile& file)
    : m_file(file), m_pages(file, jet::kLongValueOwner) {}

std::string LongValueWriter::store(std::string_view value, std::size_t inlineLimit) {
    const std::size_t chunk = m_file.format().longValueChunk();
    if (value.size() <= inlineLimit) {
        return field(value.size(), kInline, 0).append(value);
    }
    if (value.size() <= chunk) {
        return field(value.size(), kSingleRow, m_pages.add(value));
    }
    return field(value.size(), kChain, storeChain(value));
}

// Each link starts with the pointer to the next, so the chain is written back to front.
// Full links fill a page each; the shorter last link shares a page with other values.
std::uint32_t LongValueWriter::storeChain(std::string_view value) {
    const std::size_t chunk = m_file.format().longValueChunk();
    const std::size_t fullLinks = (value.size() - 1) / chunk;
    std::string link(4, '\0');
    link.append(value.substr(fullLinks * chunk));
    std::uint32_t next = m_pages.add(link);

    RowPageBuilder page(jet::kLongValueOwner, m_file.format());
    for (std::size_t i = fullLinks; i-- > 0;) {
        link.assign(4, '\0');
        little_endian::put32(link, 0, next);
        link.append(value.substr(i * chunk, chunk));
        page.clear();
        const std::uint16_t row = page.add(link);
        next = little_endian::rowPointer(m_file.append(page.page()), row);
    }
    return next;
}

void LongValueWriter::finish() {
    m_pages.finish();
}

}  // namespace kinmora::mkfamily
