// The child maps the file, runs libmdb and writes length-prefixed frames into
// a pipe: a table's schema, its rows, its end, or an error. The parent turns
// the frames back into schema and rows. Text travels as UTF-16, as QString
// holds it, so nothing is converted twice. libmdb's own complaints, and the
// damaged pages it dumps to standard output, go to /dev/null in the child: the
// user sees one message, not a flood, and the program's own output stays clean.
#include "data/reader_process.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <new>

#include "data/family_file_error.h"
#include "data/mdb_reader.h"

namespace kinmora {
namespace {

enum Frame : char {
    kBeginTable = 'T',
    kRow = 'R',
    kEndTable = 'E',
    kMissingTable = 'M',
    kDamagedTable = 'W',
    kError = 'X',
    kDone = 'D',
};

// --- writing, in the child ---------------------------------------------------

class FrameWriter {
public:
    explicit FrameWriter(int fd) : m_fd(fd) {}

    // Buffers are emptied with resize(0), which keeps their memory: freeing
    // and taking it again for every frame made malloc trim and grow the heap
    // thousands of times.
    void begin(Frame frame) {
        m_frame.resize(0);
        m_frame.append(frame);
    }
    void put(const void* data, std::size_t size) {
        m_frame.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
    }
    template <typename T>
    void put(T value) {
        put(&value, sizeof value);
    }
    void put(const QString& text) {
        put(static_cast<std::uint32_t>(text.size()));
        put(text.constData(), static_cast<std::size_t>(text.size()) * sizeof(QChar));
    }
    void put(const Value& v) {
        put(static_cast<std::uint8_t>(v.kind()));
        switch (v.kind()) {
            case Value::Kind::Null:
                break;
            case Value::Kind::Bool:
                put<std::uint8_t>(v.isTrue());
                break;
            case Value::Kind::Integer:
                put<std::int64_t>(v.toInteger(INT64_MIN, INT64_MAX));
                break;
            case Value::Kind::Real:
                put<double>(v.toReal());
                break;
            case Value::Kind::Date:
                put<double>(v.toDate().days);
                break;
            case Value::Kind::Text:
                put(v.toText());
                break;
        }
    }
    // Sends the frame built since begin(), its length first.
    void end() {
        const auto length = static_cast<std::uint32_t>(m_frame.size());
        m_out.append(reinterpret_cast<const char*>(&length), sizeof length);
        m_out.append(m_frame);
        if (m_out.size() >= kFlushSize) flush();
    }
    void flush() {
        const char* data = m_out.constData();
        qsizetype left = m_out.size();
        while (left > 0) {
            const ssize_t n = ::write(m_fd, data, static_cast<std::size_t>(left));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) ::_exit(3);  // the reading side has gone: nobody wants the rows
            data += n;
            left -= n;
        }
        m_out.resize(0);
    }

private:
    static constexpr qsizetype kFlushSize = 1 << 16;
    int m_fd;
    QByteArray m_frame;
    QByteArray m_out;
};

class RelaySink : public TableSink {
public:
    explicit RelaySink(FrameWriter& out) : m_out(out) {}
    void beginTable(const TableSchema& schema) override {
        m_out.begin(kBeginTable);
        m_out.put(schema.name);
        m_out.put(static_cast<std::uint32_t>(schema.columns.size()));
        for (const ColumnInfo& column : schema.columns) {
            m_out.put(column.name);
            m_out.put(static_cast<std::uint8_t>(column.type));
            m_out.put(static_cast<std::uint8_t>(column.size));
        }
        m_out.end();
    }
    void row(std::span<const Value> values) override {
        m_out.begin(kRow);
        for (const Value& v : values) m_out.put(v);
        m_out.end();
    }
    void endTable() override {
        m_out.begin(kEndTable);
        m_out.end();
    }
    void damaged(const QString& reason) override {
        m_out.begin(kDamagedTable);
        m_out.put(reason);
        m_out.end();
    }

private:
    FrameWriter& m_out;
};

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

[[noreturn]] void runChild(int fd, const QString& path, const QStringList& tables,
                           const ReaderProcess::Limits& limits, int codePage) {
    limitChild(limits);
    FrameWriter out(fd);
    const auto error = [&](const QString& reason) {
        out.begin(kError);
        out.put(reason);
        out.end();
    };
    try {
        MdbReader reader(path, codePage);
        RelaySink relay(out);
        for (const QString& table : tables)
            if (!reader.readTable(table, relay)) {
                out.begin(kMissingTable);
                out.put(table);
                out.end();
            }
        out.begin(kDone);
        out.end();
    } catch (const FamilyFileError& e) {
        error(e.reason());
    } catch (const std::bad_alloc&) {
        error(QStringLiteral("is damaged: reading it needs more memory than any family file"));
    } catch (const std::exception& e) {
        error(QStringLiteral("cannot be read: %1").arg(QString::fromUtf8(e.what())));
    }
    out.flush();
    ::_exit(0);
}

// --- reading, in the parent ----------------------------------------------------

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
        if (signal == SIGXCPU)
            return QStringLiteral("is damaged: reading it took longer than any family file");
        return QStringLiteral("is damaged: the reader stopped on signal %1 (%2)")
            .arg(signal)
            .arg(QString::fromLocal8Bit(::strsignal(signal)));
    }
    return QStringLiteral("is damaged: the reader stopped before the end (status %1)")
        .arg(WEXITSTATUS(status));
}

}  // namespace

void ReaderProcess::read(const QString& path, const QStringList& tables, TableSink& sink,
                         const Limits& limits, int codePage) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        throw FamilyFileError(path, QStringLiteral("cannot be read: no pipe to the reader"));
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        throw FamilyFileError(path, QStringLiteral("cannot be read: the reader cannot start"));
    }
    if (pid == 0) {
        ::close(fds[0]);
        runChild(fds[1], path, tables, limits, codePage);
    }
    ::close(fds[1]);
    Child child(pid);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fds[0]};

    QByteArray pending;
    bool done = false;
    std::vector<Value> row;
    std::size_t columns = 0;
    char buffer[1 << 16];
    while (!done) {
        pollfd wait{fds[0], POLLIN, 0};
        const int ready = ::poll(&wait, 1, static_cast<int>(limits.silence.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready == 0)
            throw FamilyFileError(path,
                                  QStringLiteral("is damaged: reading it stopped making progress"));
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // the child has ended; its status tells how
        pending.append(buffer, n);
        qsizetype used = 0;
        while (!done && pending.size() - used >= 4) {
            std::uint32_t length = 0;
            std::memcpy(&length, pending.constData() + used, sizeof length);
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
                    sink.beginTable(schema);
                    break;
                }
                case kRow:
                    row.clear();
                    for (std::size_t i = 0; i < columns; ++i) row.push_back(frame.value());
                    sink.row(row);
                    break;
                case kEndTable:
                    sink.endTable();
                    break;
                case kMissingTable:
                    break;
                case kDamagedTable:
                    sink.damaged(frame.text());
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
