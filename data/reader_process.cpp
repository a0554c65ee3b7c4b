// The reader program is started by posix_spawn, which is safe in a process
// that already runs threads (Qt's platform plugins start some), and speaks
// length-prefixed frames (reader_frames.h) through a pipe on its descriptor
// 3. The parent turns the frames back into schema and rows. A reader that
// sends nothing for a few seconds, or takes longer than any honest read of a
// file that size, is killed: libmdb can loop for ever on a hostile file.
#include "data/reader_process.h"

#include <fcntl.h>
#include <limits.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <vector>

#include "data/family_file_error.h"
#include "data/reader_frames.h"

extern char** environ;

namespace kinmora {
namespace {

using namespace reader_frames;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Reading the largest family file (32,767 persons, 28.6 MB) took 0.8 s on an
// idle machine and 2.6 s under a load of 8 on two cores: about 91 ms a
// megabyte at worst. A reader gets four times that and a second, and never
// less than five seconds.
constexpr milliseconds kMinimumBudget{5000};
constexpr double kBudgetPerMegabyte = 4 * 91.0;
// Past its budget a reader that still sends frames may go on, up to this
// many budgets, as long as none of its silences lasts a second.
constexpr int kMostBudgets = 3;
constexpr milliseconds kLateSilence{1000};
// How often the parent looks at the clock and at a cancel.
constexpr milliseconds kTick{100};
// Progress is told every so many rows.
constexpr std::uint64_t kProgressRows = 512;
// No frame is longer: the longest memo is 64 MB, 128 MB as UTF-16.
constexpr std::uint32_t kMaxFrame = std::uint32_t{160} << 20;

// Takes values back out of one frame. The child writes whole frames, so one
// that ends early means the child was cut off mid-way.
class FrameReader {
public:
    FrameReader(const QString& path, const char* data, std::size_t size)
        : m_path(path), m_data(data), m_left(size) {}

    template <typename T>
    T take() {
        T value{};
        need(sizeof value);
        std::memcpy(&value, m_data, sizeof value);
        skip(sizeof value);
        return value;
    }
    QString text() {
        const auto length = take<std::uint32_t>();
        need(static_cast<std::size_t>(length) * sizeof(QChar));
        QString s(reinterpret_cast<const QChar*>(m_data), static_cast<qsizetype>(length));
        skip(static_cast<std::size_t>(length) * sizeof(QChar));
        return s;
    }
    Value value() {
        switch (static_cast<Value::Kind>(take<std::uint8_t>())) {
            case Value::Kind::Null:
                return Value::null();
            case Value::Kind::Bool:
                return Value::boolean(take<std::uint8_t>() != 0);
            case Value::Kind::Integer:
                return Value::integer(take<std::int64_t>());
            case Value::Kind::Real:
                return Value::real(take<double>());
            case Value::Kind::Date:
                return Value::date(JetDate{take<double>()});
            case Value::Kind::Text:
                return Value::text(text());
        }
        throw damaged();
    }

    FamilyFileError damaged() const {
        return FamilyFileError(m_path,
                               QStringLiteral("cannot be read: the reader sent damaged rows"));
    }

private:
    void need(std::size_t size) const {
        if (size > m_left) throw damaged();
    }
    void skip(std::size_t size) {
        m_data += size;
        m_left -= size;
    }
    const QString& m_path;
    const char* m_data;
    std::size_t m_left;
};

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
        if (signal == SIGXCPU || signal == SIGKILL)
            return QStringLiteral("is damaged: reading it took longer than any family file");
        return QStringLiteral("is damaged: the reader stopped on signal %1 (%2)")
            .arg(signal)
            .arg(QString::fromLocal8Bit(::strsignal(signal)));
    }
    return QStringLiteral("is damaged: the reader stopped before the end (status %1)")
        .arg(WEXITSTATUS(status));
}

std::uint64_t fileSize(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && info.st_size > 0
               ? static_cast<std::uint64_t>(info.st_size)
               : 0;
}

// The pipe end the child writes to, on a descriptor above 3: dup2 onto 3
// clears close-on-exec only when it copies from another descriptor.
int writeEndAbove3(int fd) {
    if (fd > 3) return fd;
    const int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, 4);
    ::close(fd);
    return moved;
}

pid_t spawn(const QString& program, const QStringList& arguments, int framesFd) {
    std::vector<QByteArray> words{QFile::encodeName(program)};
    for (const QString& a : arguments) words.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    for (QByteArray& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, framesFd, 3);
    pid_t pid = -1;
    const int failed = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    return failed ? -1 : pid;
}

}  // namespace

milliseconds ReaderProcess::budgetFor(std::uint64_t fileBytes) {
    const double megabytes = static_cast<double>(fileBytes) / (1024.0 * 1024.0);
    return std::max(kMinimumBudget,
                    milliseconds(1000 + static_cast<long long>(megabytes * kBudgetPerMegabyte)));
}

QString ReaderProcess::defaultProgram() {
    char exe[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0) return {};
    const QString folder = QFileInfo(QFile::decodeName(QByteArray(exe, n))).absolutePath();
    // Installed beside kinmora; in the build tree, tests and benchmarks run
    // from folders beside bin/.
    for (const QString& candidate : {folder + QStringLiteral("/kinmora-reader"),
                                     folder + QStringLiteral("/../bin/kinmora-reader")})
        if (QFileInfo(candidate).isExecutable()) return QDir::cleanPath(candidate);
    return {};
}

void ReaderProcess::read(const QString& path, const QStringList& tables, TableSink& sink,
                         const Limits& limits, const ReadOptions& options) {
    const QString program =
        options.readerProgram.isEmpty() ? defaultProgram() : options.readerProgram;
    if (program.isEmpty())
        throw FamilyFileError(path, QStringLiteral("cannot be read: the reader program "
                                                   "kinmora-reader is not installed beside this "
                                                   "program"));
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        throw FamilyFileError(path, QStringLiteral("cannot be read: no pipe to the reader"));
    struct Closer {
        int fd;
        ~Closer() {
            if (fd >= 0) ::close(fd);
        }
    } readEnd{fds[0]}, writeEnd{writeEndAbove3(fds[1])};
    QStringList arguments{QStringLiteral("--cpu"),
                          QString::number(limits.cpu.count()),
                          QStringLiteral("--memory"),
                          QString::number(limits.memory),
                          QStringLiteral("--code-page"),
                          QString::number(options.codePage),
                          path};
    arguments += tables;
    const pid_t pid = writeEnd.fd < 0 ? -1 : spawn(program, arguments, writeEnd.fd);
    if (pid < 0)
        throw FamilyFileError(path, QStringLiteral("cannot be read: the reader program %1 cannot "
                                                   "start")
                                        .arg(program));
    ::close(writeEnd.fd);
    writeEnd.fd = -1;
    Child child(pid);

    const milliseconds budget =
        limits.budget.count() > 0 ? limits.budget : budgetFor(fileSize(path));
    const Clock::time_point start = Clock::now();
    Clock::time_point lastHeard = start;
    const auto stopped = [&](const QString& why) { return FamilyFileError(path, why); };

    QByteArray pending;
    bool done = false;
    std::vector<Value> row;
    std::size_t columns = 0;
    QString table;
    std::uint64_t expected = 0;
    std::uint64_t rows = 0;
    char buffer[1 << 16];
    while (!done) {
        if (options.progress && options.progress->cancelled()) throw ReadCancelled();
        const Clock::time_point now = Clock::now();
        const auto quiet = now - lastHeard;
        const auto spent = now - start;
        if (quiet >= limits.silence)
            throw stopped(QStringLiteral("is damaged: reading it stopped making progress "
                                         "(nothing for %1 s)")
                              .arg(limits.silence.count() / 1000.0));
        if (spent >= budget && (quiet >= kLateSilence || spent >= kMostBudgets * budget))
            throw stopped(
                QStringLiteral("is damaged: reading it took longer than any family "
                               "file of its size (%1 s)")
                    .arg(std::chrono::duration_cast<milliseconds>(spent).count() / 1000.0));
        const auto wait = std::min<milliseconds>(
            kTick,
            std::chrono::duration_cast<milliseconds>(limits.silence - quiet) + milliseconds(1));
        pollfd ready{readEnd.fd, POLLIN, 0};
        const int n = ::poll(&ready, 1, static_cast<int>(wait.count()));
        if (n < 0 && errno != EINTR)
            throw stopped(QStringLiteral("cannot be read: the pipe from the reader failed"));
        if (n <= 0) continue;
        const ssize_t got = ::read(readEnd.fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;  // the child has ended; its status tells how
        lastHeard = Clock::now();
        pending.append(buffer, got);
        qsizetype used = 0;
        while (!done && pending.size() - used >= 4) {
            std::uint32_t length = 0;
            std::memcpy(&length, pending.constData() + used, sizeof length);
            if (length > kMaxFrame) throw FrameReader(path, nullptr, 0).damaged();
            if (pending.size() - used - 4 < static_cast<qsizetype>(length)) break;
            FrameReader frame(path, pending.constData() + used + 4, length);
            used += 4 + static_cast<qsizetype>(length);
            switch (frame.take<char>()) {
                case kBeginTable: {
                    TableSchema schema;
                    schema.name = frame.text();
                    columns = frame.take<std::uint32_t>();
                    for (std::size_t i = 0; i < columns; ++i) {
                        ColumnInfo column;
                        column.name = frame.text();
                        column.type = static_cast<ColumnType>(frame.take<std::uint8_t>());
                        column.size = frame.take<std::uint8_t>();
                        schema.columns.push_back(column);
                    }
                    table = schema.name;
                    rows = 0;
                    expected = 0;
                    sink.beginTable(schema);
                    break;
                }
                case kExpectedRows:
                    expected = frame.take<std::uint64_t>();
                    sink.expectRows(expected);
                    if (options.progress) options.progress->progress(table, 0, expected);
                    break;
                case kRow:
                    row.clear();
                    for (std::size_t i = 0; i < columns; ++i) row.push_back(frame.value());
                    sink.row(row);
                    if (++rows % kProgressRows == 0 && options.progress)
                        options.progress->progress(table, rows, expected);
                    break;
                case kEndTable:
                    sink.endTable();
                    if (options.progress) options.progress->progress(table, rows, expected);
                    break;
                case kDamagedTable:
                    sink.damaged(frame.text());
                    break;
                case kMissingTable:
                    break;
                case kError:
                    throw FamilyFileError(path, frame.text());
                case kDone:
                    done = true;
                    break;
                default:
                    throw frame.damaged();
            }
        }
        pending.remove(0, used);
    }
    const int status = child.wait();
    if (!done) throw FamilyFileError(path, endOf(status));
}

}  // namespace kinmora
