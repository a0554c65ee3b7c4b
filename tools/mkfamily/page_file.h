// PageFile is the database file under construction: pages of its format's size written into a
// temporary file that replaces the target only on commit.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "jet_format.h"

namespace kinmora::mkfamily {

class PageFile {
public:
    PageFile(std::filesystem::path target, const JetFormat& format);
    ~PageFile();  // removes the temporary file unless committed
    PageFile(const PageFile&) = delete;
    PageFile& operator=(const PageFile&) = delete;

    // Writes a page after the last one and returns its number.
    std::uint32_t append(const std::string& page);
    // Claims the next page number, to be filled by write() once its content is known.
    std::uint32_t reserve();
    void write(std::uint32_t pageNumber, const std::string& page);

    // Flushes the file to disk and renames it over the target.
    void commit();

    const JetFormat& format() const { return m_format; }

private:
    [[noreturn]] void fail(const std::string& what) const;

    const JetFormat& m_format;
    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    int m_fd = -1;
    std::uint32_t m_pageCount = 0;
    bool m_committed = false;
};

}  // namespace kinmora::mkfamily
