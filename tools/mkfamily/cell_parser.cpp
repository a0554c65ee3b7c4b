// CellParser turns one CSV cell into the typed value its column holds.
#include "cell_parser.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

#include "access_date.h"
#include "jet_format.h"

namespace kinmora::mkfamily {

namespace {

std::string quoted(std::string_view cell) {
    return "'" + std::string(cell) + "'";
}

std::int32_t wholeNumber(std::string_view cell, std::int64_t lowest, std::int64_t highest,
                         std::string_view typeName) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    if (error == std::errc::result_out_of_range) {
        throw std::invalid_argument(quoted(cell) + " is out of range for " + std::string(typeName));
    }
    if (error != std::errc() || end != cell.data() + cell.size()) {
        throw std::invalid_argument(quoted(cell) + " is not a whole number");
    }
    if (value < lowest || value > highest) {
        throw std::invalid_argument(quoted(cell) + " is out of range for " + std::string(typeName) +
                                    " (" + std::to_string(lowest) + " to " +
                                    std::to_string(highest) + ")");
    }
    return static_cast<std::int32_t>(value);
}

double realNumber(std::string_view cell) {
    double value = 0;
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    if (error != std::errc() || end != cell.data() + cell.size() || !std::isfinite(value)) {
        throw std::invalid_argument(quoted(cell) + " is not a number");
    }
    return value;
}

std::string textBytes(std::string_view cell, ColumnType type, const TextEncoder& encoder) {
    std::string bytes = encoder.value(cell);
    if (type == ColumnType::Text && encoder.length(cell) > jet::kMaxTextLength) {
        throw std::invalid_argument(
            "a Text value holds at most " + std::to_string(jet::kMaxTextLength) +
            " characters, this one has " + std::to_string(encoder.length(cell)));
    }
    if (bytes.size() > jet::kMaxLongValueLength) {
        throw std::invalid_argument("a Memo value takes at most " +
                                    std::to_string(jet::kMaxLongValueLength) +
                                    " bytes, this one takes " + std::to_string(bytes.size()));
    }
    return bytes;
}

}  // namespace

CellValue CellParser::parse(std::string_view cell, ColumnType type, const TextEncoder& text) {
    if (cell.empty()) {
        if (type == ColumnType::Boolean) {
            throw std::invalid_argument(
                "a Yes/No cell cannot be empty: Access keeps Yes/No in the row's null bitmap, "
                "so it has no Null");
        }
        return std::monostate{};
    }
    switch (type) {
        case ColumnType::Boolean:
            if (cell == "1") return true;
            if (cell == "0") return false;
            throw std::invalid_argument("a Yes/No cell holds 1 or 0, not " + quoted(cell));
        case ColumnType::Byte:
            return wholeNumber(cell, 0, 255, "Byte");
        case ColumnType::Integer:
            return wholeNumber(cell, std::numeric_limits<std::int16_t>::min(),
                               std::numeric_limits<std::int16_t>::max(), "Integer");
        case ColumnType::LongInteger:
            return wholeNumber(cell, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max(), "Long Integer");
        case ColumnType::Single:
        case ColumnType::Double:
            return realNumber(cell);
        case ColumnType::Currency: {
            // Eight bytes of ten-thousandths hold about 922 million million.
            const double value = realNumber(cell);
            if (std::fabs(value) >= 9.2e14)
                throw std::invalid_argument(quoted(cell) + " is out of range for Currency");
            return value;
        }
        case ColumnType::DateTime:
            if (const auto date = AccessDate::fromText(cell)) return *date;
            throw std::invalid_argument(quoted(cell) +
                                        " is not a date (YYYY-MM-DD or YYYY-MM-DD HH:MM:SS, "
                                        "years 100 to 9999)");
        case ColumnType::Text:
        case ColumnType::Memo:
            return textBytes(cell, type, text);
        case ColumnType::LongBinary:
            break;
    }
    throw std::invalid_argument("OLE Object columns cannot be filled from CSV");
}

bool CellParser::isPlainLongInteger(std::string_view cell) {
    const bool negative = !cell.empty() && cell.front() == '-';
    const std::string_view digits = negative ? cell.substr(1) : cell;
    if (digits.empty()) return false;
    for (const char c : digits) {
        if (c < '0' || c > '9') return false;
    }
    if (digits.front() == '0' && (digits.size() > 1 || negative)) return false;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    return error == std::errc() && end == cell.data() + cell.size();
}

}  // namespace kinmora::mkfamily
