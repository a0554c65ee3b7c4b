// Jet3Format holds the Access 97 (Jet 3) constants that several writers share.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kinmora::mkfamily::jet3 {

inline constexpr std::size_t kPageSize = 2048;

// Page types, the first byte of every page.
inline constexpr std::uint8_t kDatabaseDefinitionPage = 0x00;
inline constexpr std::uint8_t kRowPage = 0x01;  // data, long value and usage-map rows
inline constexpr std::uint8_t kTableDefinitionPage = 0x02;
inline constexpr std::uint8_t kUsageBitmapPage = 0x05;

// Row pages: type, flag, free space (2), owner (4), row count (2), then the row offsets.
inline constexpr std::size_t kRowPageHeaderSize = 10;
inline constexpr std::size_t kRowOffsetSize = 2;
// Row pointers keep the row number in one byte.
inline constexpr std::size_t kMaxRowsPerPage = 255;
// Access refuses longer rows even though a page could hold a little more.
inline constexpr std::size_t kMaxRowSize = 2012;
// Owner word of long value pages: the bytes "LVAL".
inline constexpr std::uint32_t kLongValueOwner = 0x4C41564C;

// A memo's in-row field: length (3), storage flag (1), row pointer (4), unused (4).
inline constexpr std::size_t kLongValueFieldSize = 12;
inline constexpr std::size_t kMaxInlineLongValue = 64;
// One long value row: the whole page bar header, offset and the 4-byte chain pointer.
inline constexpr std::size_t kLongValueChunk = kPageSize - kRowPageHeaderSize - kRowOffsetSize - 4;
inline constexpr std::uint32_t kMaxLongValueLength = 0xFFFFFF;

inline constexpr std::size_t kUsageMapRowSize = 128;

// Page numbers share a 32-bit row pointer with an 8-bit row number; Jet 3 files stop at 1 GB.
inline constexpr std::uint32_t kMaxPages = (1u << 30) / kPageSize;

inline constexpr std::uint16_t kThaiCodePage = 874;
inline constexpr std::uint16_t kThaiSortOrder = 0x041E;

inline constexpr std::size_t kMaxColumns = 255;
inline constexpr std::size_t kMaxNameLength = 64;

}  // namespace kinmora::mkfamily::jet3
