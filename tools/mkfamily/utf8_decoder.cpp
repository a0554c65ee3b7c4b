// Utf8Decoder turns UTF-8 text, as CSV files hold it, into Unicode code points.
#include "utf8_decoder.h"

#include <stdexcept>

namespace kinmora::mkfamily {

namespace {

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

}  // namespace

std::u32string Utf8Decoder::decode(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size()) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if (byte < 0x80) {
            out.push_back(byte);
            ++at;
        } else {
            out.push_back(decodeMultibyte(utf8, at));
        }
    }
    return out;
}

std::string Utf8Decoder::encode(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
    return out;
}

}  // namespace kinmora::mkfamily
