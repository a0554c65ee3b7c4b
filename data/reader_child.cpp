// The frames carry text as UTF-16, as QString holds it, so nothing is
// converted twice. A reading side that has gone ends the read: nobody wants
// the rows.
#include "data/reader_child.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QByteArray>
#include <cerrno>
#include <cstdio>
#include <new>

#include "data/family_file_error.h"
#include "data/mdb_reader.h"
#include "data/reader_frames.h"
#include "data/table_sink.h"

namespace kinmora {
namespace {

using namespace reader_frames;

struct ReaderGone {};

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
    // Frames go out in batches, and at least a few times a second, so that
    // a slow read still shows the parent that it moves.
    void end() {
        const auto length = static_cast<std::uint32_t>(m_frame.size());
        m_out.append(reinterpret_cast<const char*>(&length), sizeof length);
        m_out.append(m_frame);
        if (m_out.size() >= kFlushSize || Clock::now() - m_flushed >= kFlushInterval) flush();
    }
    void flush() {
        const char* data = m_out.constData();
        qsizetype left = m_out.size();
        while (left > 0) {
            const ssize_t n = ::write(m_fd, data, static_cast<std::size_t>(left));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) throw ReaderGone{};
            data += n;
            left -= n;
        }
        m_out.resize(0);
        m_flushed = Clock::now();
    }

private:
    using Clock = std::chrono::steady_clock;
    static constexpr qsizetype kFlushSize = 1 << 16;
    static constexpr std::chrono::milliseconds kFlushInterval{200};
    Clock::time_point m_flushed = Clock::now();
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
    void expectRows(std::uint64_t rows) override {
        m_out.begin(kExpectedRows);
        m_out.put(rows);
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

int ReaderChild::run(int fd, const QString& path, const QStringList& tables, int codePage) {
    FrameWriter out(fd);
    const auto error = [&](const QString& reason) {
        out.begin(kError);
        out.put(reason);
        out.end();
    };
    try {
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
    } catch (const ReaderGone&) {
        return 3;
    }
    return 0;
}

}  // namespace kinmora
