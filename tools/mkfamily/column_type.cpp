// ColumnType names the Access field types the writer produces and how Jet stores each.
#include "column_type.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace kinmora::mkfamily {

std::optional<ColumnType> columnTypeFromSuffix(std::string_view suffix) {
    std::string lower(suffix);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "byte") return ColumnType::Byte;
    if (lower == "int") return ColumnType::Integer;
    if (lower == "long") return ColumnType::LongInteger;
    if (lower == "bool") return ColumnType::Boolean;
    if (lower == "date") return ColumnType::DateTime;
    if (lower == "text") return ColumnType::Text;
    if (lower == "memo") return ColumnType::Memo;
    if (lower == "single") return ColumnType::Single;
    if (lower == "double") return ColumnType::Double;
    if (lower == "currency") return ColumnType::Currency;
    if (lower == "ole") return ColumnType::LongBinary;
    return std::nullopt;
}

std::string_view columnTypeName(ColumnType type) {
    switch (type) {
        case ColumnType::Boolean:
            return "Yes/No";
        case ColumnType::Byte:
            return "Byte";
        case ColumnType::Integer:
            return "Integer";
        case ColumnType::LongInteger:
            return "Long Integer";
        case ColumnType::Single:
            return "Single";
        case ColumnType::Double:
            return "Double";
        case ColumnType::Currency:
            return "Currency";
        case ColumnType::DateTime:
            return "Date/Time";
        case ColumnType::Text:
            return "Text";
        case ColumnType::Memo:
            return "Memo";
        case ColumnType::LongBinary:
            return "OLE Object";
    }
    return "?";
}

std::uint8_t jetTypeCode(ColumnType type) {
    switch (type) {
        case ColumnType::Boolean:
            return 0x01;
        case ColumnType::Byte:
            return 0x02;
        case ColumnType::Integer:
            return 0x03;
        case ColumnType::LongInteger:
            return 0x04;
        case ColumnType::Currency:
            return 0x05;
        case ColumnType::Single:
            return 0x06;
        case ColumnType::Double:
            return 0x07;
        case ColumnType::DateTime:
            return 0x08;
        case ColumnType::Text:
            return 0x0A;
        case ColumnType::LongBinary:
            return 0x0B;
        case ColumnType::Memo:
            return 0x0C;
    }
    return 0;
}

bool isFixedLength(ColumnType type) {
    return type != ColumnType::Text && !isLongValue(type);
}

std::size_t fixedLength(ColumnType type) {
    switch (type) {
        case ColumnType::Byte:
            return 1;
        case ColumnType::Integer:
            return 2;
        case ColumnType::LongInteger:
        case ColumnType::Single:
            return 4;
        case ColumnType::Double:
        case ColumnType::Currency:
        case ColumnType::DateTime:
            return 8;
        default:
            return 0;
    }
}

bool isLongValue(ColumnType type) {
    return type == ColumnType::Memo || type == ColumnType::LongBinary;
}

bool isTextual(ColumnType type) {
    return type == ColumnType::Text || type == ColumnType::Memo;
}

std::uint16_t declaredLength(ColumnType type) {
    return type == ColumnType::Text ? 255 : static_cast<std::uint16_t>(fixedLength(type));
}

}  // namespace kinmora::mkfamily
