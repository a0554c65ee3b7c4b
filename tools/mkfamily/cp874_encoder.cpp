// Cp874Encoder turns UTF-8 text into the Thai code page 874 bytes that Access 97 stores.
#include "cp874_encoder.h"

#include <cstdint>
#include <cstdio>
#include <stdexcept>

#include "utf8_decoder.h"

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

std::string describe(char32_t c) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    return "character '" + Utf8Decoder::encode(c) + "' (" + code +
           ") is not in code page 874 (Thai)";
}

}  // namespace

std::string Cp874Encoder::encode(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (const char32_t c : Utf8Decoder::decode(utf8)) {
        const int mapped = c < 0x80 ? static_cast<int>(c) : cp874Byte(c);
        if (mapped < 0) throw std::invalid_argument(describe(c));
        out.push_back(static_cast<char>(mapped));
    }
    return out;
}

}  // namespace kinmora::mkfamily
