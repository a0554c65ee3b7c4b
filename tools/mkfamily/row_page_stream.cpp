// RowPageStream appends rows to a run of row pages, opening a new page whenever one is full.
#include "row_page_stream.h"

#include "little_endian.h"

namespace kinmora::mkfamily {

RowPageStream::RowPageStream(PageFile& file, std::uint32_t owner) : file_(file), builder_(owner) {}

void RowPageStream::openPage() {
    closePage();
    pages_.push_back(file_.reserve());
    open_ = true;
}

void RowPageStream::closePage() {
    if (!open_) return;
    file_.write(pages_.back(), builder_.page());
    builder_.clear();
    open_ = false;
}

std::uint32_t RowPageStream::add(std::string_view row) {
    if (!open_ || !builder_.fits(row.size())) openPage();
    return little_endian::rowPointer(pages_.back(), builder_.add(row));
}

void RowPageStream::finish() {
    closePage();
}

}  // namespace kinmora::mkfamily
