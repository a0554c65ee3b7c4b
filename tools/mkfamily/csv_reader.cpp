// CsvReader splits RFC 4180 CSV text into records, remembering the line each field starts on.
#include "csv_reader.h"

#include <algorithm>
#include <utility>

#include "input_error.h"

namespace kinmora::mkfamily {

CsvReader::CsvReader(std::string_view text, std::string sourceName)
    : text_(text), source_(std::move(sourceName)) {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
}

bool CsvReader::atLineBreak() const {
    if (pos_ >= text_.size()) return false;
    if (text_[pos_] == '\n') return true;
    return text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n';
}

void CsvReader::skipLineBreak() {
    pos_ += text_[pos_] == '\r' ? 2 : 1;
    ++line_;
}

std::optional<CsvRecord> CsvReader::next() {
    while (atLineBreak()) skipLineBreak();
    if (pos_ >= text_.size()) return std::nullopt;

    CsvRecord record;
    record.line = line_;
    for (;;) {
        record.fields.push_back(pos_ < text_.size() && text_[pos_] == '"' ? quotedField()
                                                                          : plainField());
        if (pos_ >= text_.size()) break;
        if (atLineBreak()) {
            skipLineBreak();
            break;
        }
        ++pos_;  // the comma; anything else was rejected by the field readers
    }
    return record;
}

CsvField CsvReader::quotedField() {
    CsvField field{{}, line_};
    ++pos_;
    for (;;) {
        const std::size_t quote = text_.find('"', pos_);
        if (quote == std::string_view::npos) {
            throw InputError(source_, field.line, "quoted field is never closed");
        }
        const std::string_view piece = text_.substr(pos_, quote - pos_);
        line_ += static_cast<std::size_t>(std::count(piece.begin(), piece.end(), '\n'));
        field.text.append(piece);
        pos_ = quote + 1;
        if (pos_ < text_.size() && text_[pos_] == '"') {
            field.text.push_back('"');
            ++pos_;
            continue;
        }
        break;
    }
    if (pos_ < text_.size() && text_[pos_] != ',' && !atLineBreak()) {
        throw InputError(source_, line_,
                         "unexpected text after a closing quote; double a quote inside a "
                         "quoted field");
    }
    return field;
}

CsvField CsvReader::plainField() {
    CsvField field{{}, line_};
    std::size_t end = pos_;
    for (;;) {
        end = text_.find_first_of(",\"\r\n", end);
        if (end == std::string_view::npos) {
            end = text_.size();
            break;
        }
        if (text_[end] == '"') {
            throw InputError(source_, line_,
                             "quote inside an unquoted field; quote the whole field");
        }
        // A carriage return not followed by a line feed is ordinary text.
        if (text_[end] == '\r' && (end + 1 >= text_.size() || text_[end + 1] != '\n')) {
            ++end;
            continue;
        }
        break;
    }
    field.text.assign(text_.substr(pos_, end - pos_));
    pos_ = end;
    return field;
}

}  // namespace kinmora::mkfamily
