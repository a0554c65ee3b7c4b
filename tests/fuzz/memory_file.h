// A file that exists only in memory (memfd), reachable by a path, so that the
// fuzz targets and the reproducer test hand bytes to code that opens paths
// without writing anything to disk.
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kinmora::fuzz {

class MemoryFile {
public:
    // Holds a copy of `bytes`. Throws std::system_error when no memfd can be made.
    explicit MemoryFile(std::span<const std::uint8_t> bytes);
    ~MemoryFile();
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    // "/proc/self/fd/N": opening it opens this file, also in the reader program.
    const QString& path() const { return m_path; }

    // True when the file still holds exactly the bytes it was made with.
    bool unchanged() const;

private:
    int m_fd = -1;
    std::vector<std::uint8_t> m_bytes;
    QString m_path;
};

}  // namespace kinmora::fuzz
