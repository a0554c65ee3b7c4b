// CsvReader splits RFC 4180 CSV text into records, remembering the line each field starts on.
#include "csv_reader.h"

#include <algorithm>
#include <utility>

#include "input_error.h"

namespace kinmora::mkfamily {

CsvReader::CsvReader(std::string_view text, std::string sourceName)
    : m_text(text), m_source(std::move(sourceName)) {
    if (m_text.substr(0, 3) == "\xEF\xBB\xBF") m_pos = 3;
}

bool CsvReader::atLineBreak() const {
    if (m_pos >= m_text.size()) return false;
    if (m_text[m_pos] == '\n') return true;
    return m_text[m_pos] == '\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\n';
}

void CsvReader::skipLineBreak() {
    m_pos += m_text[m_pos] == '\r' ? 2 : 1;
    ++m_line;
}

std::optional<CsvRecord> CsvReader::next() {
    while (atLineBreak()) skipLineBreak();
    if (m_pos >= m_text.size()) return std::nullopt;

    CsvRecord record;
    record.line = m_line;
    for (;;) {
        record.fields.push_back(m_pos < m_text.size() && m_text[m_pos] == '"' ? quotedField()
                                                                              : plainField());
        if (m_pos >= m_text.size()) break;
        if (atLineBreak()) {
            skipLineBreak();
            break;
        }
        ++m_pos;  // the comma; anything else was rejected by the field readers
    }
    return record;
}

CsvField CsvReader::quotedField() {
    CsvField field{{}, m_line};
    ++m_pos;
    for (;;) {
        const std::size_t quote = m_text.find('"', m_pos);
        if (quote == std::string_view::npos) {
            throw InputError(m_source, field.line, "quoted field is never closed");
        }
        const std::string_view piece = m_text.substr(m_pos, quote - m_pos);
        m_line += static_cast<std::size_t>(std::count(piece.begin(), piece.end(), '\n'));
        field.text.append(piece);
        m_pos = quote + 1;
        if (m_pos < m_text.size() && m_text[m_pos] == '"') {
            field.text.push_back('"');
            ++m_pos;
            continue;
        }
        break;
    }
    if (m_pos < m_text.size() && m_text[m_pos] != ',' && !atLineBreak()) {
        throw InputError(m_source, m_line,
                         "unexpected text after a closing quote; double a quote inside a "
                         "quoted field");
    }
    return field;
}

CsvField CsvReader::plainField() {
    CsvField field{{}, m_line};
    std::size_t end = m_pos;
    for (;;) {
        end = m_text.find_first_of(",\"\r\n", end);
        if (end == std::string_view::npos) {
            end = m_text.size();
            break;
        }
        if (m_text[end] == '"') {
            throw InputError(m_source, m_line,
                             "quote inside an unquoted field; quote the whole field");
        }
        // A carriage return not followed by a line feed is ordinary text.
        if (m_text[end] == '\r' && (end + 1 >= m_text.size() || m_text[end + 1] != '\n')) {
            ++end;
            continue;
        }
        break;
    }
    field.text.assign(m_text.substr(m_pos, end - m_pos));
    m_pos = end;
    return field;
}

}  // namespace kinmora::mkfamily
