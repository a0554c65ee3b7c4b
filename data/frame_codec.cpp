// Text travels as UTF-16, as QString holds it, so nothing is converted
// twice. The decoder trusts nothing in a frame: every length is checked
// against what arrived, and every kind byte against the kinds there are.
#include "data/frame_codec.h"

#include <cstring>

namespace kinmora {
namespace {

enum Frame : char {
    kBeginTable = 'T',    // name, column count, then each column's name, type and size
    kExpectedRows = 'N',  // the row count the table's definition gives
    kRow = 'R',           // one value per column
    kEndTable = 'E',
    kMissingTable = 'M',  // the file has no table of that name
    kError = 'X',         // an error kind and a sentence: why the file cannot be read
    kDone = 'D',
};

constexpr std::size_t kFlushSize = 1 << 16;
constexpr std::chrono::milliseconds kFlushInterval{200};
constexpr std::size_t kLengthSize = sizeof(std::uint32_t);
// No frame is longer: the longest memo is 64 MB, 128 MB as UTF-16.
constexpr std::uint32_t kMaxFrame = std::uint32_t{160} << 20;

// Takes values out of one frame, refusing to read past its end.
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
        const std::size_t bytes = std::size_t{take<std::uint32_t>()} * sizeof(QChar);
        need(bytes);
        QString s(reinterpret_cast<const QChar*>(m_data),
                  static_cast<qsizetype>(bytes / sizeof(QChar)));
        skip(bytes);
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
    // A byte that must be below `count`, as an enumeration's value.
    template <typename Enum>
    Enum enumerator(int count) {
        const auto n = take<std::uint8_t>();
        if (n >= count) throw damaged();
        return static_cast<Enum>(n);
    }
    // The frame must have been read to its last byte.
    void end() const {
        if (m_left != 0) throw damaged();
    }

    FamilyFileError damaged() const {
        return FamilyFileError(FamilyFileError::Kind::Damaged, m_path,
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

constexpr int kColumnTypes = static_cast<int>(ColumnType::Other) + 1;
constexpr int kErrorKinds = static_cast<int>(FamilyFileError::Kind::BadQuery) + 1;

}  // namespace

FrameEncoder::FrameEncoder(std::function<void(const QByteArray&)> write)
    : m_write(std::move(write)) {}

// Each frame is written straight into the batch, its length filled in at its
// end. The batch is emptied with clear(), which keeps its memory: freeing and
// taking it again for every batch made malloc trim and grow the heap
// thousands of times.
void FrameEncoder::begin(char type) {
    m_frameStart = m_out.size();
    m_out.resize(m_frameStart + kLengthSize);
    m_out.push_back(type);
}

void FrameEncoder::put(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    m_out.insert(m_out.end(), bytes, bytes + size);
}

void FrameEncoder::put(const QString& text) {
    put(static_cast<std::uint32_t>(text.size()));
    put(text.constData(), static_cast<std::size_t>(text.size()) * sizeof(QChar));
}

void FrameEncoder::put(const Value& v) {
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

void FrameEncoder::end() {
    const auto length = static_cast<std::uint32_t>(m_out.size() - m_frameStart - kLengthSize);
    std::memcpy(m_out.data() + m_frameStart, &length, sizeof length);
    if (m_out.size() >= kFlushSize ||
        std::chrono::steady_clock::now() - m_flushed >= kFlushInterval)
        flush();
}

void FrameEncoder::flush() {
    m_flushed = std::chrono::steady_clock::now();
    if (m_out.empty()) return;
    m_write(QByteArray::fromRawData(m_out.data(), static_cast<qsizetype>(m_out.size())));
    m_out.clear();
}

void FrameEncoder::beginTable(const TableSchema& schema) {
    begin(kBeginTable);
    put(schema.name);
    put(static_cast<std::uint32_t>(schema.columns.size()));
    for (const ColumnInfo& column : schema.columns) {
        put(column.name);
        put(static_cast<std::uint8_t>(column.type));
        put(static_cast<std::uint8_t>(column.size));
    }
    end();
}

void FrameEncoder::expectRows(std::uint64_t rows) {
    begin(kExpectedRows);
    put(rows);
    end();
}

void FrameEncoder::row(std::span<const Value> values) {
    begin(kRow);
    for (const Value& v : values) put(v);
    end();
}

void FrameEncoder::endTable() {
    begin(kEndTable);
    end();
}

void FrameEncoder::missingTable(const QString& name) {
    begin(kMissingTable);
    put(name);
    end();
}

void FrameEncoder::error(FamilyFileError::Kind kind, const QString& reason) {
    begin(kError);
    put(static_cast<std::uint8_t>(kind));
    put(reason);
    end();
}

void FrameEncoder::done() {
    begin(kDone);
    end();
}

FrameDecoder::FrameDecoder(const QString& path, TableSink& sink) : m_path(path), m_sink(sink) {}

void FrameDecoder::feed(const char* data, std::size_t size) {
    if (m_finished) return;
    m_pending.append(data, static_cast<qsizetype>(size));
    qsizetype used = 0;
    while (!m_finished && static_cast<std::size_t>(m_pending.size() - used) >= kLengthSize) {
        std::uint32_t length = 0;
        std::memcpy(&length, m_pending.constData() + used, kLengthSize);
        if (length > kMaxFrame) throw FrameReader(m_path, nullptr, 0).damaged();
        if (static_cast<std::size_t>(m_pending.size() - used) - kLengthSize < length) break;
        const char* frame = m_pending.constData() + used + kLengthSize;
        used += static_cast<qsizetype>(kLengthSize + length);
        decode(frame, length);
    }
    m_pending.remove(0, used);
}

void FrameDecoder::decode(const char* data, std::size_t size) {
    FrameReader frame(m_path, data, size);
    switch (frame.take<char>()) {
        case kBeginTable: {
            if (m_inTable) throw frame.damaged();
            TableSchema schema;
            schema.name = frame.text();
            m_columns = frame.take<std::uint32_t>();
            for (std::size_t i = 0; i < m_columns; ++i) {
                ColumnInfo column;
                column.name = frame.text();
                column.type = frame.enumerator<ColumnType>(kColumnTypes);
                column.size = frame.take<std::uint8_t>();
                schema.columns.push_back(column);
            }
            frame.end();
            m_inTable = true;
            m_sink.beginTable(schema);
            break;
        }
        case kExpectedRows: {
            if (!m_inTable) throw frame.damaged();
            const auto rows = frame.take<std::uint64_t>();
            frame.end();
            m_sink.expectRows(rows);
            break;
        }
        case kRow:
            if (!m_inTable) throw frame.damaged();
            m_row.clear();
            for (std::size_t i = 0; i < m_columns; ++i) m_row.push_back(frame.value());
            frame.end();
            m_sink.row(m_row);
            break;
        case kEndTable:
            if (!m_inTable) throw frame.damaged();
            frame.end();
            m_inTable = false;
            m_sink.endTable();
            break;
        case kMissingTable:
            frame.text();
            frame.end();
            break;
        case kError: {
            const auto kind = frame.enumerator<FamilyFileError::Kind>(kErrorKinds);
            m_readerError.emplace(kind, m_path, frame.text());
            frame.end();
            m_finished = true;
            break;
        }
        case kDone:
            if (m_inTable) throw frame.damaged();
            frame.end();
            m_finished = true;
            break;
        default:
            throw frame.damaged();
    }
}

}  // namespace kinmora
