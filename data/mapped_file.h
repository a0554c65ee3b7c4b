// A whole file mapped read-only into memory, opened so that it cannot block or be written.
#pragma once

#include <QString>
#include <cstddef>

namespace kinmora {

class MappedFile {
public:
    // Maps the regular file at `path` read-only. The file descriptor is closed
    // once mapped, so no handle on the file stays open. Throws FamilyFileError
    // for a missing, unreadable, empty, oversized or non-regular file.
    explicit MappedFile(const QString& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    const unsigned char* data() const { return m_data; }
    std::size_t size() const { return m_size; }

    // The largest file accepted: Access files cannot grow past 2 GB.
    static constexpr std::size_t kMaxSize = std::size_t{2} << 30;

private:
    const unsigned char* m_data = nullptr;
    std::size_t m_size = 0;
};

}  // namespace kinmora
