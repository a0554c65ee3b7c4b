// Opening with O_NONBLOCK and checking for a regular file first keeps a named
// pipe or a device from hanging the program; mapping PROT_READ means no code
// path can write through the mapping.
#include "data/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>

#include <QFile>
#include <cerrno>

#include "data/family_file_error.h"
#include "data/unique_fd.h"

namespace kinmora {

MappedFile::MappedFile(const QString& path) {
    using Kind = FamilyFileError::Kind;
    const QByteArray native = QFile::encodeName(path);
    const UniqueFd fd(::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd)
        throw FamilyFileError(Kind::NotFound, path,
                              QStringLiteral("cannot be opened: %1").arg(qt_error_string(errno)));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        throw FamilyFileError(Kind::NotRegularFile, path, QStringLiteral("is not a regular file"));
    if (st.st_size == 0) throw FamilyFileError(Kind::Empty, path, QStringLiteral("is empty"));
    if (static_cast<std::size_t>(st.st_size) > kMaxSize)
        throw FamilyFileError(
            Kind::NotAccess, path,
            QStringLiteral("is too large for an Access database (%1 bytes)").arg(st.st_size));
    m_size = static_cast<std::size_t>(st.st_size);
    void* mapped = ::mmap(nullptr, m_size, PROT_READ, MAP_PRIVATE, fd.get(), 0);
    if (mapped == MAP_FAILED)
        throw FamilyFileError(Kind::Damaged, path,
                              QStringLiteral("cannot be read: %1").arg(qt_error_string(errno)));
    m_data = static_cast<const unsigned char*>(mapped);
}

MappedFile::~MappedFile() {
    if (m_data) ::munmap(const_cast<unsigned char*>(m_data), m_size);
}

}  // namespace kinmora
