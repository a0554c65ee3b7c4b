// JetFormat describes one Access file format the writer produces: what differs between
// Access 97 (Jet 3), Access 2000 (Jet 4) and Access 2007 (ACE, Jet 4's layout), and the
// constants they share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kinmora::mkfamily {

enum class FileFormat { Access97, Access2000, Access2007 };

namespace jet {

// Page types, the first byte of every page.
inline constexpr std::uint8_t kDatabaseDefinitionPage = 0x00;
inline constexpr std::uint8_t kRowPage = 0x01;  // data, long value and usage-map rows
inline constexpr std::uint8_t kTableDefinitionPage = 0x02;
inline constexpr std::uint8_t kUsageBitmapPage = 0x05;

inline constexpr std::size_t kRowOffsetSize = 2;
// Row pointers keep the row number in one byte.
inline constexpr std::size_t kMaxRowsPerPage = 255;
// Owner word of long value pages: the bytes "LVAL".
inline constexpr std::uint32_t kLongValueOwner = 0x4C41564C;

// A memo's in-row field: length (3), storage flag (1), row pointer (4), unused (4).
inline constexpr std::size_t kLongValueFieldSize = 12;
inline constexpr std::size_t kMaxInlineLongValue = 64;
inline constexpr std::uint32_t kMaxLongValueLength = 0xFFFFFF;

inline constexpr std::uint16_t kThaiCodePage = 874;
inline constexpr std::uint16_t kThaiSortOrder = 0x041E;

inline constexpr std::size_t kMaxColumns = 255;
inline constexpr std::size_t kMaxNameLength = 64;   // characters
inline constexpr std::size_t kMaxTextLength = 255;  // characters of a Text value
// Database passwords hold at most 20 characters.
inline constexpr std::size_t kMaxPasswordLength = 20;

}  // namespace jet

struct JetFormat {
    FileFormat file;
    std::string_view name;    // "Access 97", for messages
    std::string_view engine;  // the engine name at offset 4 of page 0
    std::uint8_t version;     // byte 0x14 of page 0
    bool unicode;             // text in UCS-2 (Jet 4) rather than code page 874 bytes
    std::size_t pageSize;
    // Page 0 scrambles this many bytes from 0x18 with a fixed RC4 key.
    std::size_t scrambledLength;
    // Row pages: type, flag, free space (2), owner (4), [Jet 4: 4 more], row count (2).
    std::size_t rowPageHeaderSize;
    // Access refuses longer rows even though a page could hold a little more.
    std::size_t maxRowSize;
    std::size_t usageMapRowSize;

    // One long value row: the whole page bar header, offset and the 4-byte chain pointer.
    std::size_t longValueChunk() const { return pageSize - rowPageHeaderSize - 2 - 4; }
    // Page numbers share a 32-bit row pointer with an 8-bit row number; Jet 3 files stop at
    // 1 GB, Jet 4 files at 2 GB.
    std::uint32_t maxPages() const {
        return static_cast<std::uint32_t>((unicode ? (1u << 31) : (1u << 30)) / pageSize);
    }

    static const JetFormat& of(FileFormat file);
};

}  // namespace kinmora::mkfamily
