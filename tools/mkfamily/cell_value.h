// CellValue is one typed table cell: Null, Yes/No, a whole number, a double or text bytes.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace kinmora::mkfamily {

// Dates are doubles in Access's day count; Text and Memo hold the bytes the file stores
// (code page 874, or UCS-2 possibly compressed).
using CellValue = std::variant<std::monostate, bool, std::int32_t, double, std::string>;

}  // namespace kinmora::mkfamily
