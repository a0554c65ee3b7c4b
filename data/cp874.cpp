// A table lookup: the Thai block maps straight onto U+0E01..U+0E5B, and the
// few Windows additions sit in 0x80..0xA0.
#include "data/cp874.h"

#include <array>

namespace kinmora {
namespace {

constexpr char16_t kUndefined = 0xFFFD;

constexpr std::array<char16_t, 256> makeTable() {
    std::array<char16_t, 256> table{};
    for (int b = 0; b < 0x80; ++b) table[b] = static_cast<char16_t>(b);
    // Control characters have no place in a name or a biography; shown raw
    // they would reach a terminal as commands. Tabs and line breaks stay.
    for (int b = 0; b < 0x20; ++b)
        if (b != '\t' && b != '\n' && b != '\r') table[b] = kUndefined;
    table[0x7F] = kUndefined;
    for (int b = 0x80; b < 0x100; ++b) table[b] = kUndefined;
    table[0x80] = 0x20AC;
    table[0x85] = 0x2026;
    const char16_t quotes[] = {0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014};
    for (int i = 0; i < 7; ++i) table[0x91 + i] = quotes[i];
    table[0xA0] = 0x00A0;
    for (int b = 0xA1; b <= 0xDA; ++b) table[b] = static_cast<char16_t>(0x0E01 + (b - 0xA1));
    for (int b = 0xDF; b <= 0xFB; ++b) table[b] = static_cast<char16_t>(0x0E3F + (b - 0xDF));
    return table;
}

constexpr std::array<char16_t, 256> kTable = makeTable();

}  // namespace

QString decodeCp874(const unsigned char* bytes, std::size_t size) {
    QString text(static_cast<qsizetype>(size), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (std::size_t i = 0; i < size; ++i) out[i] = kTable[bytes[i]];
    return text;
}

}  // namespace kinmora
