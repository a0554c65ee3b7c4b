// The frames the reading process sends its parent: a table's schema, its
// rows, its end, a missing table, an error, and the end of the reading.
#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "data/family_file_error.h"
#include "data/table_sink.h"

namespace kinmora {

// Writes frames: a four-byte length, then a type byte and what the type carries.
class FrameEncoder : public TableSink {
public:
    // `write` receives the encoded bytes, a batch at a time, in order: when a
    // batch is full, and at least a few times a second, so that a slow read
    // still shows that it moves.
    explicit FrameEncoder(std::function<void(const QByteArray&)> write);

    void beginTable(const TableSchema& schema) override;
    void expectRows(std::uint64_t rows) override;
    void row(std::span<const Value> values) override;
    void endTable() override;
    void missingTable(const QString& name);
    void error(FamilyFileError::Kind kind, const QString& reason);
    void done();
    // Hands what is still buffered to `write`.
    void flush();

private:
    void begin(char type);
    void put(const void* data, std::size_t size);
    template <typename T>
    void put(T value) {
        put(&value, sizeof value);
    }
    void put(const QString& text);
    void put(const Value& value);
    void end();

    std::function<void(const QByteArray&)> m_write;
    std::vector<char> m_out;       // the frames of the batch
    std::size_t m_frameStart = 0;  // where the frame being written starts in m_out
    std::chrono::steady_clock::time_point m_flushed = std::chrono::steady_clock::now();
};

// Reads frames back and hands the tables to a sink. Frames may arrive cut
// anywhere; a frame that does not hold what its type says is damaged.
class FrameDecoder {
public:
    // `path` names the file in errors; `sink` receives the tables.
    FrameDecoder(const QString& path, TableSink& sink);

    // Takes the next bytes; once the last frame (done, or the reader's
    // error) has arrived, finished() is true and later bytes are ignored.
    // Throws FamilyFileError: Damaged for a damaged frame or one longer than
    // any value makes. Whatever the sink throws is passed on.
    void feed(const char* data, std::size_t size);
    bool finished() const { return m_finished; }
    // Why the reader could not read the file, when its last frame said so.
    const std::optional<FamilyFileError>& readerError() const { return m_readerError; }

private:
    void decode(const char* frame, std::size_t size);

    const QString m_path;
    TableSink& m_sink;
    QByteArray m_pending;
    bool m_finished = false;
    bool m_inTable = false;
    std::size_t m_columns = 0;
    std::vector<Value> m_row;
    std::optional<FamilyFileError> m_readerError;
};

}  // namespace kinmora
