// Every byte of code page 874 decodes as the C library's converter decodes
// it, but for control characters, which are never shown raw.
#include "data/cp874.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace kinmora {
namespace {

// What iconv makes of one byte, or U+FFFD when the code page leaves it undefined.
char16_t iconvDecode(unsigned char byte) {
    iconv_t cd = ::iconv_open("UTF-16LE", "CP874");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
    char in[1] = {static_cast<char>(byte)};
    char out[4] = {};
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t done = ::iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    ::iconv_close(cd);
    if (done == static_cast<std::size_t>(-1) || outLeft != 2) return 0xFFFD;
    return static_cast<char16_t>(static_cast<unsigned char>(out[0]) |
                                 static_cast<unsigned char>(out[1]) << 8);
}

bool isHiddenControl(unsigned char byte) {
    return (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') || byte == 0x7F;
}

TEST(Cp874, EveryByteDecodesAsIconvDoes) {
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const QString decoded = decodeCp874(&byte, 1);
        ASSERT_EQ(decoded.size(), 1);
        const char16_t expected = isHiddenControl(byte) ? char16_t{0xFFFD} : iconvDecode(byte);
        EXPECT_EQ(decoded[0].unicode(), expected) << "byte 0x" << std::hex << b;
    }
}

}  // namespace
}  // namespace kinmora
