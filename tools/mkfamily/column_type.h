// ColumnType names the Access field types the writer produces and how Jet stores each.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kinmora::mkfamily {

enum class ColumnType {
    Boolean,      // Yes/No, kept in the row's null bitmap
    Byte,         // 8-bit, 0 to 255
    Integer,      // 16-bit
    LongInteger,  // 32-bit
    Single,       // a 4-byte float
    Double,
    Currency,  // a whole number of ten-thousandths, in 8 bytes
    DateTime,
    Text,        // at most 255 characters, in the row
    Memo,        // long text, in the row or on long value pages
    LongBinary,  // OLE object, such as a photo; always Null here
};

// The type a CSV header suffix such as "born:date" asks for, if the suffix is known.
std::optional<ColumnType> columnTypeFromSuffix(std::string_view suffix);

std::string_view columnTypeName(ColumnType type);
std::uint8_t jetTypeCode(ColumnType type);

// Fixed columns sit at a set offset in every row; Yes/No takes no bytes there.
bool isFixedLength(ColumnType type);
std::size_t fixedLength(ColumnType type);
bool isLongValue(ColumnType type);
bool isTextual(ColumnType type);

// The length a table definition declares for the column.
std::uint16_t declaredLength(ColumnType type);

}  // namespace kinmora::mkfamily
