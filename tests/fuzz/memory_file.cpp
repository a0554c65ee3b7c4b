// The memfd has no close-on-exec flag: the reader program must be able to
// reopen it through /proc/self/fd, which names the reader's own descriptors.
#include "fuzz/memory_file.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace kinmora::fuzz {
namespace {

[[noreturn]] void fail(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

}  // namespace

MemoryFile::MemoryFile(std::span<const std::uint8_t> bytes) : m_bytes(bytes.begin(), bytes.end()) {
    m_fd = ::memfd_create("kinmora-fuzz", 0);
    if (m_fd < 0) fail("memfd_create");
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ::close(m_fd);
            fail("write to memfd");
        }
        done += static_cast<std::size_t>(n);
    }
    m_path = QStringLiteral("/proc/self/fd/%1").arg(m_fd);
}

MemoryFile::~MemoryFile() {
    ::close(m_fd);
}

bool MemoryFile::unchanged() const {
    std::vector<std::uint8_t> now(m_bytes.size() + 1);
    std::size_t got = 0;
    while (got < now.size()) {
        const ssize_t n =
            ::pread(m_fd, now.data() + got, now.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    return got == m_bytes.size() && std::equal(m_bytes.begin(), m_bytes.end(), now.begin());
}

}  // namespace kinmora::fuzz
