// TextEncoder turns UTF-8 text into the bytes an Access format stores.
#include "text_encoder.h"

#include "cp874_encoder.h"
#include "utf8_decoder.h"

namespace kinmora::mkfamily {

namespace {

// Access compresses no longer value: a memo above this many characters stays UCS-2.
constexpr std::size_t kMaxCompressedCharacters = 1024;

std::u16string utf16(std::string_view utf8) {
    std::u16string units;
    for (const char32_t c : Utf8Decoder::decode(utf8)) {
        if (c < 0x10000) {
            units.push_back(static_cast<char16_t>(c));
        } else {
            units.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        }
    }
    return units;
}

std::string ucs2(const std::u16string& units) {
    std::string bytes;
    bytes.reserve(units.size() * 2);
    for (const char16_t u : units) {
        bytes.push_back(static_cast<char>(u & 0xFF));
        bytes.push_back(static_cast<char>(u >> 8));
    }
    return bytes;
}

// "Unicode compression": after the marker FF FE, characters below U+0100 take one byte and
// others two; a 0 byte switches between the two modes, starting with one byte. A character
// whose low byte is 0 (NUL among them) would read as a switch, so such text stays UCS-2, as
// does text the compression would not make shorter.
std::string compressed(const std::u16string& units) {
    std::string bytes("\xFF\xFE", 2);
    bool single = true;
    for (const char16_t u : units) {
        if ((u & 0xFF) == 0) return {};
        const bool fits = u < 0x100;
        if (fits != single) {
            bytes.push_back('\0');
            single = fits;
        }
        bytes.push_back(static_cast<char>(u & 0xFF));
        if (!fits) bytes.push_back(static_cast<char>(u >> 8));
    }
    return bytes;
}

}  // namespace

TextEncoder::TextEncoder(const JetFormat& format) : m_format(format) {}

std::string TextEncoder::value(std::string_view utf8) const {
    if (!m_format.unicode) return Cp874Encoder::encode(utf8);
    const std::u16string units = utf16(utf8);
    std::string plain = ucs2(units);
    if (units.size() > kMaxCompressedCharacters) return plain;
    std::string shorter = compressed(units);
    return !shorter.empty() && shorter.size() < plain.size() ? shorter : plain;
}

std::string TextEncoder::plain(std::string_view utf8) const {
    return m_format.unicode ? ucs2(utf16(utf8)) : Cp874Encoder::encode(utf8);
}

std::size_t TextEncoder::length(std::string_view utf8) const {
    return m_format.unicode ? utf16(utf8).size() : Cp874Encoder::encode(utf8).size();
}

}  // namespace kinmora::mkfamily
