// Every column names its type in the header: left to guess, the writer would
// turn a date column of Nulls into text and a 16-bit number into a 32-bit one.
#include "export/csv_table_writer.h"

#include <QDate>
#include <QIODevice>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace kinmora {
namespace {

constexpr int kProgressEvery = 1024;
constexpr qsizetype kFlushSize = 1 << 16;

QString quoted(const QString& text) {
    QString q = text;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

// Whole seconds, as the writer reads dates; the day count is linear, so the
// day is its floor and the time of day what is left.
QString dateCell(JetDate date) {
    const qint64 seconds = std::llround(date.days * 86400.0);
    const qint64 day = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    const qint64 second = seconds - day * 86400;
    const QString text = QDate(1899, 12, 30).addDays(day).toString(QStringLiteral("yyyy-MM-dd"));
    if (second == 0) return text;
    return text + QStringLiteral(" %1:%2:%3")
                      .arg(second / 3600, 2, 10, QLatin1Char('0'))
                      .arg(second / 60 % 60, 2, 10, QLatin1Char('0'))
                      .arg(second % 60, 2, 10, QLatin1Char('0'));
}

QString realCell(double d) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, d);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

void flush(QIODevice& out, QByteArray& buffer) {
    if (out.write(buffer) != buffer.size())
        throw std::runtime_error("cannot write the CSV file: " + out.errorString().toStdString());
    buffer.resize(0);  // keeps the capacity: clear() would give it back
}

}  // namespace

QString CsvTableWriter::headerCell(const ColumnInfo& column) {
    const char* type = "text";
    switch (column.type) {
        case ColumnType::Bool:
            type = "bool";
            break;
        case ColumnType::Integer:
            type = column.size == 1 || column.size == 2 ? "int" : "long";
            break;
        case ColumnType::Real:
            type = "double";
            break;
        case ColumnType::Date:
            type = "date";
            break;
        case ColumnType::Memo:
            type = "memo";
            break;
        case ColumnType::Text:
        case ColumnType::Other:  // read as Null: a column of empty text keeps its place
            break;
    }
    return quoted(column.name + QLatin1Char(':') + QLatin1String(type));
}

QString CsvTableWriter::cell(const Value& value) {
    switch (value.kind()) {
        case Value::Kind::Null:
            return {};
        case Value::Kind::Bool:
            return value.isTrue() ? QStringLiteral("1") : QStringLiteral("0");
        case Value::Kind::Integer:
            return QString::number(value.toInteger(INT64_MIN, INT64_MAX));
        case Value::Kind::Real:
            return realCell(value.toReal());
        case Value::Kind::Date:
            return dateCell(value.toDate());
        case Value::Kind::Text:
            return value.toText().isEmpty() ? QString() : quoted(value.toText());
    }
    return {};
}

void CsvTableWriter::write(const TableSchema& schema, const ResultTable& rows, QIODevice& out,
                           const ExportProgress& progress) {
    const qint64 total = rows.rowCount();
    const auto report = [&](qint64 done) {
        if (progress && !progress(done, total)) throw ExportCancelled();
    };
    report(0);
    QByteArray buffer("\xEF\xBB\xBF");
    buffer.reserve(2 * kFlushSize);
    const std::size_t width = schema.columns.size();
    for (std::size_t c = 0; c < width; ++c) {
        if (c) buffer += ',';
        buffer += headerCell(schema.columns[c]).toUtf8();
    }
    buffer += "\r\n";
    for (int r = 0; r < rows.rowCount(); ++r) {
        for (std::size_t c = 0; c < width; ++c) {
            if (c) buffer += ',';
            buffer += cell(rows.at(r, static_cast<int>(c))).toUtf8();
        }
        // A record of one empty cell would read as a blank line, which is skipped.
        if (width == 1 && rows.at(r, 0).isNull()) buffer += "\"\"";
        buffer += "\r\n";
        if (buffer.size() >= kFlushSize) flush(out, buffer);
        if ((r + 1) % kProgressEvery == 0) report(r + 1);
    }
    flush(out, buffer);
    report(total);
}

}  // namespace kinmora
