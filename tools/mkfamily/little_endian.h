// LittleEndian writes the little-endian integers and doubles that fill Jet pages.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>

namespace kinmora::mkfamily::little_endian {

inline void put16(std::string& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

inline void put32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

inline void append16(std::string& bytes, std::uint16_t value) {
    bytes.append(2, '\0');
    put16(bytes, bytes.size() - 2, value);
}

inline void append32(std::string& bytes, std::uint32_t value) {
    bytes.append(4, '\0');
    put32(bytes, bytes.size() - 4, value);
}

inline void appendDouble(std::string& bytes, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    append32(bytes, static_cast<std::uint32_t>(bits));
    append32(bytes, static_cast<std::uint32_t>(bits >> 32));
}

// Row pointers: page number in the upper 24 bits, row number in the lowest byte.
inline std::uint32_t rowPointer(std::uint32_t page, std::uint16_t row) {
    return (page << 8) | row;
}

}  // namespace kinmora::mkfamily::little_endian
