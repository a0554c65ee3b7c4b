// The child maps the file, runs libmdb and writes frames (see FrameEncoder)
// into a pipe; the parent decodes them into schema and rows. libmdb's own
// complaints, and the damaged pages it dumps to standard output, go to
// /dev/null in the child: the user sees one message, not a flood, and the
// program's own output stays clean.
#include "data/reader_process.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <new>

#include "data/family_file_error.h"
#include "data/frame_codec.h"
#include "data/mdb_reader.h"
#include "data/unique_fd.h"

namespace kinmora {
namespace {

using Kind = FamilyFileError::Kind;

// --- the child -----------------------------------------------------------------

void limitChild(const ReaderProcess::Limits& limits) {
    const int null = ::open("/dev/null", O_WRONLY);
    if (null >= 0) {
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
    }
    const rlim_t cpu = static_cast<rlim_t>(limits.cpu.count());
    const rlimit cpuLimit{cpu, cpu + 1};
    ::setrlimit(RLIMIT_CPU, &cpuLimit);
    // The child starts as a copy of the parent: the memory limit comes on top
    // of what it already has.
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

void writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, static_cast<std::size_t>(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ::_exit(3);  // the reading side has gone: nobody wants the rows
        data += n;
        left -= n;
    }
}

[[noreturn]] void runChild(int fd, const QString& path, const QStringList& tables,
                           const ReaderProcess::Limits& limits) {
    limitChild(limits);
    FrameEncoder out([fd](const QByteArray& bytes) { writeAll(fd, bytes); });
    try {
        MdbReader reader(path);
        for (const QString& table : tables)
            if (!reader.readTable(table, out)) out.missingTable(table);
        out.done();
    } catch (const FamilyFileError& e) {
        out.error(e.kind(), e.reason());
    } catch (const std::bad_alloc&) {
        out.error(Kind::ReaderStopped,
                  QStringLiteral("is damaged: reading it needs more memory than any family file"));
    } catch (const std::exception& e) {
        out.error(Kind::Damaged,
                  QStringLiteral("cannot be read: %1").arg(QString::fromUtf8(e.what())));
    }
    out.flush();
    ::_exit(0);
}

// --- the parent ----------------------------------------------------------------

// Kills and reaps the child however the parent leaves.
class Child {
public:
    explicit Child(pid_t pid) : m_pid(pid) {}
    ~Child() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            wait();
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    // Waits for the child's end and returns its wait status.
    int wait() {
        int status = 0;
        while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
        m_pid = -1;
        return status;
    }

private:
    pid_t m_pid;
};

QString endOf(int status) {
    if (WIFSIGNALED(status)) {
        const int signal = WTERMSIG(status);
        if (signal == SIGXCPU)
            return QStringLiteral("is damaged: reading it took longer than any family file");
        return QStringLiteral("is damaged: the reader stopped on signal %1 (%2)")
            .arg(signal)
            .arg(QString::fromLocal8Bit(::strsignal(signal)));
    }
    return QStringLiteral("is damaged: the reader stopped before the end (status %1)")
        .arg(WEXITSTATUS(status));
}

// Starts the reader and returns it with the reading end of its pipe.
std::pair<std::unique_ptr<Child>, UniqueFd> startReader(const QString& path,
                                                        const QStringList& tables,
                                                        const ReaderProcess::Limits& limits) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        throw FamilyFileError(Kind::ReaderStopped, path,
                              QStringLiteral("cannot be read: no pipe to the reader"));
    UniqueFd readEnd(fds[0]);
    UniqueFd writeEnd(fds[1]);
    const pid_t pid = ::fork();
    if (pid < 0)
        throw FamilyFileError(Kind::ReaderStopped, path,
                              QStringLiteral("cannot be read: the reader cannot start"));
    if (pid == 0) {
        readEnd.reset();
        runChild(writeEnd.get(), path, tables, limits);
    }
    return {std::make_unique<Child>(pid), std::move(readEnd)};
}

// Reads what the reader sends into `decoder` until the last frame or the
// reader's end. Returns whether the last frame arrived.
bool pump(const QString& path, int fd, FrameDecoder& decoder, std::chrono::milliseconds silence) {
    char buffer[1 << 16];
    while (!decoder.finished()) {
        pollfd wait{fd, POLLIN, 0};
        const int ready = ::poll(&wait, 1, static_cast<int>(silence.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready == 0)
            throw FamilyFileError(Kind::ReaderStopped, path,
                                  QStringLiteral("is damaged: reading it stopped making progress"));
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;  // the child has ended; its status tells how
        decoder.feed(buffer, static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

void ReaderProcess::read(const QString& path, const QStringList& tables, TableSink& sink,
                         const Limits& limits) {
    auto [child, fd] = startReader(path, tables, limits);
    FrameDecoder decoder(path, sink);
    const bool done = pump(path, fd.get(), decoder, limits.silence);
    fd.reset();
    const int status = child->wait();
    if (!done) throw FamilyFileError(Kind::ReaderStopped, path, endOf(status));
}

}  // namespace kinmora
