// Cp874Encoder turns UTF-8 text into the Thai code page 874 bytes that Access 97 stores.
#include "cp874_encoder.h"

#include <cstdint>
#include <cstdio>
#include <stdexcept>

namespace kinmora::mkfamily {

namespace {

// Code page 874 outside ASCII: the Thai block sits at 0xA0 above its Unicode offset, with
// a gap where Unicode has no Thai letters; a few punctuation marks come from Windows.
int cp874Byte(char32_t c) {
    if (c >= 0x0E01 && c <= 0x0E3A) return static_cast<int>(c - 0x0E00 + 0xA0);
    if (c >= 0x0E3F && c <= 0x0E5B) return static_cast<int>(c - 0x0E00 + 0xA0);
    switch (c) {
        case 0x00A0:
            return 0xA0;
        case 0x20AC:
            return 0x80;
        case 0x2026:
            return 0x85;
        case 0x2018:
            return 0x91;
        case 0x2019:
            return 0x92;
        case 0x201C:
            return 0x93;
        case 0x201D:
            return 0x94;
        case 0x2022:
            return 0x95;
        case 0x2013:
            return 0x96;
        case 0x2014:
            return 0x97;
        default:
            return -1;
    }
}

[[noreturn]] void malformed() {
    throw std::invalid_argument("text is not valid UTF-8");
}

// Decodes the sequence starting at `at`, which must not be ASCII, and advances `at`.
char32_t decodeMultibyte(std::string_view s, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(s[at]);
    std::size_t length = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07, minimum = 0x10000;
    } else {
        malformed();
    }
    if (at + length > s.size()) malformed();
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(s[at + i]);
        if ((next & 0xC0) != 0x80) malformed();
        c = (c << 6) | (next & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) malformed();
    at += length;
    return c;
}

std::string describe(char32_t c, std::string_view utf8) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    return "character '" + std::string(utf8) + "' (" + code + ") is not in code page 874 (Thai)";
}

}  // namespace

std::string Cp874Encoder::encode(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size()) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if (byte < 0x80) {
            out.push_back(static_cast<char>(byte));
            ++at;
            continue;
        }
        const std::size_t start = at;
        const char32_t c = decodeMultibyte(utf8, at);
        const int mapped = cp874Byte(c);
        if (mapped < 0) throw std::invalid_argument(describe(c, utf8.substr(start, at - start)));
        out.push_back(static_cast<char>(mapped));
    }
    return out;
}

std::size_t Cp874Encoder::characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char ch : utf8) {
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++count;
    }
    return count;
}

}  // namespace kinmora::mkfamily
