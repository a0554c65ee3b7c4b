// The reader program is started by posix_spawn, which is safe in a process
// that already runs threads (Qt's platform plugins start some), and writes
// frames (see FrameEncoder) into a pipe on its descriptor 3; the parent
// decodes them into schema and rows. A reader that sends nothing for a few
// seconds, or takes longer than any honest read of a file that size, is
// killed: libmdb can loop for ever on a hostile file.
#include "data/reader_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#include <vector>

#include "data/family_file_error.h"
#include "data/frame_codec.h"
#include "data/helper_program.h"
#include "data/unique_fd.h"

extern char** environ;

namespace kinmora {
namespace {

using Kind = FamilyFileError::Kind;
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
// How long a reader that has said all it will say is given to end.
constexpr milliseconds kLastWords{1000};
// How often the parent looks at the clock and at a cancel.
constexpr milliseconds kTick{100};
// No database password takes more (Access allows 20 characters).
constexpr qsizetype kMaxPasswordBytes = 1024;
// Progress is told every so many rows.
constexpr std::uint64_t kProgressRows = 512;

// Passes the tables on to the caller's sink and tells the progress on the way.
class ProgressSink : public TableSink {
public:
    ProgressSink(TableSink& sink, ReadProgress* progress) : m_sink(sink), m_progress(progress) {}

    void beginTable(const TableSchema& schema) override {
        m_table = schema.name;
        m_rows = 0;
        m_expected = 0;
        m_sink.beginTable(schema);
    }
    void expectRows(std::uint64_t rows) override {
        m_expected = rows;
        m_sink.expectRows(rows);
        if (m_progress) m_progress->progress(m_table, 0, m_expected);
    }
    void row(std::span<const Value> values) override {
        m_sink.row(values);
        if (++m_rows % kProgressRows == 0 && m_progress)
            m_progress->progress(m_table, m_rows, m_expected);
    }
    void endTable() override {
        m_sink.endTable();
        if (m_progress) m_progress->progress(m_table, m_rows, m_expected);
    }

private:
    TableSink& m_sink;
    ReadProgress* m_progress;
    QString m_table;
    std::uint64_t m_rows = 0;
    std::uint64_t m_expected = 0;
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
    // Waits at most `grace` for the child's end, then kills it.
    int waitAtMost(milliseconds grace) {
        const Clock::time_point until = Clock::now() + grace;
        int status = 0;
        for (;;) {
            const pid_t ended = ::waitpid(m_pid, &status, WNOHANG);
            if (ended == m_pid) {
                m_pid = -1;
                return status;
            }
            if ((ended < 0 && errno != EINTR) || Clock::now() >= until) break;
            ::usleep(2000);
        }
        ::kill(m_pid, SIGKILL);
        return wait();
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
            .arg(QString::fromUtf8(::strsignal(signal)));
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
UniqueFd writeEndAbove3(UniqueFd fd) {
    if (fd.get() > 3) return fd;
    return UniqueFd(::fcntl(fd.get(), F_DUPFD_CLOEXEC, 4));
}

// The reader writes frames on descriptor 3 and, given a password, reads it
// from its standard input.
pid_t spawn(const QString& program, const QStringList& arguments, int framesFd, int passwordFd) {
    std::vector<QByteArray> words{QFile::encodeName(program)};
    for (const QString& a : arguments) words.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    for (QByteArray& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, framesFd, 3);
    if (passwordFd >= 0) ::posix_spawn_file_actions_adddup2(&actions, passwordFd, 0);
    pid_t pid = -1;
    const int failed = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    return failed ? -1 : pid;
}

// A pipe whose reading end the reader gets as its standard input, holding
// `bytes`: how the password reaches it without showing in a process list.
// Empty when there is nothing to pass.
UniqueFd pipeHolding(const QString& path, const QByteArray& bytes) {
    if (bytes.isEmpty()) return {};
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        throw FamilyFileError(Kind::ReaderStopped, path,
                              QStringLiteral("cannot be read: no pipe to the reader"));
    UniqueFd readEnd(fds[0]);
    const UniqueFd writeEnd(fds[1]);
    // Far less than a pipe holds: the write never waits for the reader.
    if (::write(writeEnd.get(), bytes.constData(), static_cast<std::size_t>(bytes.size())) !=
        bytes.size())
        throw FamilyFileError(Kind::ReaderStopped, path,
                              QStringLiteral("cannot be read: the password cannot be passed on"));
    return readEnd;
}

// Starts the reader program and returns it with the reading end of its pipe.
std::pair<std::unique_ptr<Child>, UniqueFd> startReader(const QString& program, const QString& path,
                                                        const QStringList& tables,
                                                        const ReaderProcess::Limits& limits,
                                                        const ReadOptions& options) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        throw FamilyFileError(Kind::ReaderStopped, path,
                              QStringLiteral("cannot be read: no pipe to the reader"));
    UniqueFd readEnd(fds[0]);
    const UniqueFd writeEnd = writeEndAbove3(UniqueFd(fds[1]));
    const QByteArray password = options.password.toUtf8();
    if (password.size() > kMaxPasswordBytes)
        throw FamilyFileError(Kind::PasswordWrong, path,
                              QStringLiteral("is not opened: the password given is longer than "
                                             "any database password"));
    const UniqueFd passwordFd = pipeHolding(path, password);
    QStringList arguments{QStringLiteral("--cpu"),
                          QString::number(limits.cpu.count()),
                          QStringLiteral("--memory"),
                          QString::number(limits.memory),
                          QStringLiteral("--code-page"),
                          QString::number(options.codePage),
                          QStringLiteral("--password-on-stdin"),
                          QString::number(password.isEmpty() ? 0 : 1),
                          path};
    arguments += tables;
    const pid_t pid = writeEnd ? spawn(program, arguments, writeEnd.get(), passwordFd.get()) : -1;
    if (pid < 0)
        throw FamilyFileError(
            Kind::ReaderStopped, path,
            QStringLiteral("cannot be read: the reader program %1 cannot start").arg(program));
    return {std::make_unique<Child>(pid), std::move(readEnd)};
}

// Reads what the reader sends into `decoder` until the last frame or the
// reader's end, stopping a reader that falls silent or runs past its budget.
// Returns whether the last frame arrived.
bool pump(const QString& path, int fd, FrameDecoder& decoder, const ReaderProcess::Limits& limits,
          const ReadOptions& options) {
    const milliseconds budget =
        limits.budget.count() > 0 ? limits.budget : ReaderProcess::budgetFor(fileSize(path));
    const Clock::time_point start = Clock::now();
    Clock::time_point lastHeard = start;
    bool heard = false;
    char buffer[1 << 16];
    while (!decoder.finished()) {
        if (options.progress && options.progress->cancelled()) throw ReadCancelled();
        const Clock::time_point now = Clock::now();
        const auto quiet = now - lastHeard;
        const auto spent = now - start;
        // Starting takes what the machine's load makes it take: until the
        // first bytes, only the budget counts.
        if (!heard && spent >= std::max(budget, limits.silence))
            throw FamilyFileError(
                Kind::ReaderStopped, path,
                QStringLiteral("is damaged: reading it stopped making progress "
                               "(nothing in its first %1 s)")
                    .arg(std::chrono::duration_cast<milliseconds>(spent).count() / 1000.0));
        if (heard && quiet >= limits.silence)
            throw FamilyFileError(Kind::ReaderStopped, path,
                                  QStringLiteral("is damaged: reading it stopped making progress "
                                                 "(nothing for %1 s)")
                                      .arg(limits.silence.count() / 1000.0));
        if (spent >= budget && (quiet >= kLateSilence || spent >= kMostBudgets * budget))
            throw FamilyFileError(
                Kind::ReaderStopped, path,
                QStringLiteral("is damaged: reading it took longer than any family file of its "
                               "size (%1 s)")
                    .arg(std::chrono::duration_cast<milliseconds>(spent).count() / 1000.0));
        const auto wait =
            std::max(milliseconds(1),
                     std::min<milliseconds>(
                         kTick, std::chrono::duration_cast<milliseconds>(limits.silence - quiet) +
                                    milliseconds(1)));
        pollfd ready{fd, POLLIN, 0};
        const int n = ::poll(&ready, 1, static_cast<int>(wait.count()));
        if (n < 0 && errno != EINTR)
            throw FamilyFileError(
                Kind::ReaderStopped, path,
                QStringLiteral("cannot be read: the pipe from the reader failed"));
        if (n <= 0) continue;
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;  // the child has ended; its status tells how
        lastHeard = Clock::now();
        heard = true;
        decoder.feed(buffer, static_cast<std::size_t>(got));
    }
    return true;
}

}  // namespace

milliseconds ReaderProcess::budgetFor(std::uint64_t fileBytes) {
    const double megabytes = static_cast<double>(fileBytes) / (1024.0 * 1024.0);
    return std::max(kMinimumBudget,
                    milliseconds(1000 + static_cast<long long>(megabytes * kBudgetPerMegabyte)));
}

QString ReaderProcess::defaultProgram() {
    return helperProgram(QStringLiteral("kinmora-reader"));
}

void ReaderProcess::read(const QString& path, const QStringList& tables, TableSink& sink,
                         const Limits& limits, const ReadOptions& options) {
    const QString program =
        options.readerProgram.isEmpty() ? defaultProgram() : options.readerProgram;
    if (program.isEmpty())
        throw FamilyFileError(Kind::ReaderStopped, path,
                              QStringLiteral("cannot be read: the reader program kinmora-reader "
                                             "is not installed beside this program"));
    auto [child, fd] = startReader(program, path, tables, limits, options);
    ProgressSink progress(sink, options.progress);
    FrameDecoder decoder(path, progress);
    const bool done = pump(path, fd.get(), decoder, limits, options);
    fd.reset();
    // A reader that has sent its last frame, its error included, is let
    // end by itself for a moment before it is killed.
    const int status = child->waitAtMost(kLastWords);
    if (decoder.readerError()) throw *decoder.readerError();
    if (!done) throw FamilyFileError(Kind::ReaderStopped, path, endOf(status));
}

}  // namespace kinmora
