// PageFile is the database file under construction: pages of its format's size written into a
// temporary file that replaces the target only on commit.
#include "page_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <system_error>

namespace kinmora::mkfamily {

PageFile::PageFile(std::filesystem::path target, const JetFormat& format)
    : m_format(format), m_target(std::move(target)) {
    // Beside the target, so the final rename stays within one file system.
    m_temporary = m_target;
    m_temporary += "." + std::to_string(::getpid()) + ".tmp";
    m_fd = ::open(m_temporary.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (m_fd < 0) fail("cannot create " + m_temporary.filename().string());
}

PageFile::~PageFile() {
    if (m_fd >= 0) ::close(m_fd);
    if (!m_committed) {
        std::error_code ignored;
        std::filesystem::remove(m_temporary, ignored);
    }
}

void PageFile::fail(const std::string& what) const {
    throw std::runtime_error(m_target.string() + ": " + what + ": " + std::strerror(errno));
}

std::uint32_t PageFile::append(const std::string& page) {
    const std::uint32_t number = reserve();
    write(number, page);
    return number;
}

std::uint32_t PageFile::reserve() {
    if (m_pageCount >= m_format.maxPages()) {
        throw std::runtime_error(m_target.string() + ": the tables need more than the " +
                                 (m_format.unicode ? "2 GB an " : "1 GB an ") +
                                 std::string(m_format.name) + " file holds");
    }
    // Zero-filled for now, so the file never has a hole even if the caller gives up early.
    const std::uint32_t number = m_pageCount++;
    write(number, std::string(m_format.pageSize, '\0'));
    return number;
}

void PageFile::write(std::uint32_t pageNumber, const std::string& page) {
    if (page.size() != m_format.pageSize || pageNumber >= m_pageCount) {
        throw std::logic_error("page " + std::to_string(pageNumber) + " written out of place");
    }
    const off_t offset = static_cast<off_t>(pageNumber) * static_cast<off_t>(m_format.pageSize);
    std::size_t done = 0;
    while (done < page.size()) {
        const ssize_t n = ::pwrite(m_fd, page.data() + done, page.size() - done,
                                   offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) fail("cannot write");
        done += static_cast<std::size_t>(n);
    }
}

void PageFile::commit() {
    if (::fsync(m_fd) != 0) fail("cannot flush");
    if (::close(m_fd) != 0) {
        m_fd = -1;
        fail("cannot close");
    }
    m_fd = -1;
    std::error_code error;
    std::filesystem::rename(m_temporary, m_target, error);
    if (error) {
        throw std::runtime_error(m_target.string() + ": cannot replace: " + error.message());
    }
    m_committed = true;
}

}  // namespace kinmora::mkfamily
