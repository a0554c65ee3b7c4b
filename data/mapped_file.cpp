// Opening with O_NONBLOCK and checking for a regular file first keeps a named
// pipe or a device from hanging the program; mapping PROT_READ means no code
// path can write through the mapping.
#include "data/mapped_file.h"

#include "data/family_file_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kinmora {

MappedFile::MappedFile(const QString& path) {
    const QByteArray native = path.toLocal8Bit();
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        throw FamilyFileError(path, QStringLiteral("cannot be opened: %1")
                                        .arg(QString::fromLocal8Bit(std::strerror(errno))));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw FamilyFileError(path, QStringLiteral("is not a regular file"));
    }
    if (st.st_size == 0) {
        ::close(fd);
        throw FamilyFileError(path, QStringLiteral("is empty"));
    }
    if (static_cast<std::size_t>(st.st_size) > kMaxSize) {
        ::close(fd);
        throw FamilyFileError(path, QStringLiteral("is too large for an Access database (%1 bytes)")
                                        .arg(st.st_size));
    }
    m_size = static_cast<std::size_t>(st.st_size);
    void* mapped = ::mmap(nullptr, m_size, PROT_READ, MAP_PRIVATE, fd, 0);
    const int mapError = errno;
    ::close(fd);
    if (mapped == MAP_FAILED)
        throw FamilyFileError(path, QStringLiteral("cannot be read: %1")
                                        .arg(QString::fromLocal8Bit(std::strerror(mapError))));
    m_data = static_cast<const unsigned char*>(mapped);
}

MappedFile::~MappedFile() {
    if (m_data)
        ::munmap(const_cast<unsigned char*>(m_data), m_size);
}

}  // namespace kinmora
