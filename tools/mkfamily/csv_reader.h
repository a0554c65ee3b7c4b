// CsvReader splits RFC 4180 CSV text into records, remembering the line each field starts on.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kinmora::mkfamily {

struct CsvField {
    std::string text;  // UTF-8, quotes removed
    std::size_t line = 0;
};

struct CsvRecord {
    std::size_t line = 0;
    std::vector<CsvField> fields;
};

class CsvReader {
public:
    // `text` must outlive the reader; a leading UTF-8 byte order mark is skipped.
    CsvReader(std::string_view text, std::string sourceName);

    // The next record, or nothing at the end. Blank lines are skipped.
    // Throws InputError for an unclosed quote or a quote in the wrong place.
    std::optional<CsvRecord> next();

private:
    bool atLineBreak() const;
    void skipLineBreak();
    CsvField quotedField();
    CsvField plainField();

    std::string_view m_text;
    std::string m_source;
    std::size_t m_pos = 0;
    std::size_t m_line = 1;
};

}  // namespace kinmora::mkfamily
