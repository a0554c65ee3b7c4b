// RowPageStream appends rows to a run of row pages, opening a new page whenever one is full.
#include "row_page_stream.h"

#include "little_endian.h"

namespace kinmora::mkfamily {

RowPageStream::RowPageStream(PageFile& file, std::uint32_t owner)
    : m_file(file), m_builder(owner, file.format()) {}

void RowPageStream::openPage() {
    closePage();
    m_pages.push_back(m_file.reserve());
    m_open = true;
}

void RowPageStream::closePage() {
    if (!m_open) return;
    m_file.write(m_pages.back(), m_builder.page());
    m_builder.clear();
    m_open = false;
}

std::uint32_t RowPageStream::add(std::string_view row) {
    if (!m_open || !m_builder.fits(row.size())) openPage();
    return little_endian::rowPointer(m_pages.back(), m_builder.add(row));
}

void RowPageStream::finish() {
    closePage();
}

}  // namespace kinmora::mkfamily
