// A reading side that has gone ends the read: nobody wants the rows.
#include "data/reader_child.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QByteArray>
#include <cerrno>
#include <cstdio>
#include <new>

#include "data/family_file_error.h"
#include "data/frame_codec.h"
#include "data/mdb_reader.h"

namespace kinmora {
namespace {

using Kind = FamilyFileError::Kind;

struct ReaderGone {};

void writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, static_cast<std::size_t>(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw ReaderGone{};
        data += n;
        left -= n;
    }
}

}  // namespace

void ReaderChild::limit(const Limits& limits) {
    const int null = ::open("/dev/null", O_RDWR);
    if (null >= 0) {
        ::dup2(null, STDIN_FILENO);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        if (null > STDERR_FILENO) ::close(null);
    }
    const rlim_t cpu = static_cast<rlim_t>(limits.cpu.count());
    const rlimit cpuLimit{cpu, cpu + 1};
    ::setrlimit(RLIMIT_CPU, &cpuLimit);
    // The memory limit comes on top of what the program already has.
    long pages = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld", &pages) != 1) pages = 0;
        std::fclose(statm);
    }
    const rlim_t memory =
        static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) +
        static_cast<rlim_t>(limits.memory);
    const rlimit memoryLimit{memory, memory};
    ::setrlimit(RLIMIT_AS, &memoryLimit);
}

int ReaderChild::run(int fd, const QString& path, const QStringList& tables, int codePage,
                     const QString& password) {
    FrameEncoder out([fd](const QByteArray& bytes) { writeAll(fd, bytes); });
    try {
        try {
            MdbReader reader(path, codePage, password);
            for (const QString& table : tables)
                if (!reader.readTable(table, out)) out.missingTable(table);
            out.done();
        } catch (const FamilyFileError& e) {
            out.error(e.kind(), e.reason());
        } catch (const std::bad_alloc&) {
            out.error(Kind::ReaderStopped,
                      QStringLiteral("is damaged: reading it needs more memory than any family "
                                     "file"));
        } catch (const std::exception& e) {
            out.error(Kind::Damaged,
                      QStringLiteral("cannot be read: %1").arg(QString::fromUtf8(e.what())));
        }
        out.flush();
    } catch (const ReaderGone&) {
        return 3;
    }
    return 0;
}

}  // namespace kinmora
