// PageFile is the database file under construction: 2 KB pages written into a temporary file
// that replaces the target only on commit.
#include "page_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <system_error>

#include "jet3_format.h"

namespace kinmora::mkfamily {

PageFile::PageFile(std::filesystem::path target) : target_(std::move(target)) {
    // Beside the target, so the final rename stays within one file system.
    temporary_ = target_;
    temporary_ += "." + std::to_string(::getpid()) + ".tmp";
    fd_ = ::open(temporary_.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) fail("cannot create " + temporary_.filename().string());
}

PageFile::~PageFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_) {
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
    }
}

void PageFile::fail(const std::string& what) const {
    throw std::runtime_error(target_.string() + ": " + what + ": " + std::strerror(errno));
}

std::uint32_t PageFile::append(const std::string& page) {
    const std::uint32_t number = reserve();
    write(number, page);
    return number;
}

std::uint32_t PageFile::reserve() {
    if (pageCount_ >= jet3::kMaxPages) {
        throw std::runtime_error(target_.string() +
                                 ": the tables need more than the 1 GB an Access 97 file holds");
    }
    // Zero-filled for now, so the file never has a hole even if the caller gives up early.
    const std::uint32_t number = pageCount_++;
    write(number, std::string(jet3::kPageSize, '\0'));
    return number;
}

void PageFile::write(std::uint32_t pageNumber, const std::string& page) {
    if (page.size() != jet3::kPageSize || pageNumber >= pageCount_) {
        throw std::logic_error("page " + std::to_string(pageNumber) + " written out of place");
    }
    const off_t offset = static_cast<off_t>(pageNumber) * static_cast<off_t>(jet3::kPageSize);
    std::size_t done = 0;
    while (done < page.size()) {
        const ssize_t n = ::pwrite(fd_, page.data() + done, page.size() - done,
                                   offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) fail("cannot write");
        done += static_cast<std::size_t>(n);
    }
}

void PageFile::commit() {
    if (::fsync(fd_) != 0) fail("cannot flush");
    if (::close(fd_) != 0) {
        fd_ = -1;
        fail("cannot close");
    }
    fd_ = -1;
    std::error_code error;
    std::filesystem::rename(temporary_, target_, error);
    if (error) {
        throw std::runtime_error(target_.string() + ": cannot replace: " + error.message());
    }
    committed_ = true;
}

}  // namespace kinmora::mkfamily
