// A file that exists only in memory (memfd), reachable by a path, so that the
// fuzz targets hand bytes to code that opens paths without writing anything to
// disk. The memfd has no close-on-exec flag: the reader program must be able
// to reopen it through /proc/self/fd, which names the reader's own descriptors.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <QString>
#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <span>
#include <system_error>
#include <vector>

namespace kinmora::fuzz {

class MemoryFile {
public:
    // Holds a copy of `bytes`. Throws std::system_error when no memfd can be made.
    explicit MemoryFile(std::span<const std::uint8_t> bytes)
        : m_fd(::memfd_create("kinmora-fuzz", 0)), m_bytes(bytes.begin(), bytes.end()) {
        if (m_fd < 0) throw std::system_error(errno, std::generic_category(), "memfd_create");
        for (std::size_t done = 0; done < bytes.size();) {
            const ssize_t n = ::write(m_fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                const int error = errno;
                ::close(m_fd);
                throw std::system_error(error, std::generic_category(), "write to memfd");
            }
            done += static_cast<std::size_t>(n);
        }
        m_path = QStringLiteral("/proc/self/fd/%1").arg(m_fd);
    }
    ~MemoryFile() { ::close(m_fd); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    // "/proc/self/fd/N": opening it opens this file, also in the reader program.
    const QString& path() const { return m_path; }

    // True when the file still holds exactly the bytes it was made with.
    bool unchanged() const {
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

private:
    int m_fd;
    std::vector<std::uint8_t> m_bytes;
    QString m_path;
};

}  // namespace kinmora::fuzz
