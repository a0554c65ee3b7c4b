// Every byte of code page 874 decodes as the C library's converter decodes
// it, but for control characters, which are never shown raw.
#include "data/cp874.h"

#include <gtest/gtest.h>

#include "support/iconv_cp874.h"

namespace kinmora {
namespace {

bool isHiddenControl(unsigned char byte) {
    return (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') || byte == 0x7F;
}

TEST(Cp874, EveryByteDecodesAsIconvDoes) {
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const QString decoded = decodeCp874(&byte, 1);
        ASSERT_EQ(decoded.size(), 1);
        const auto utf8 = testing::iconvCp874ToUtf8(byte);
        const QString expected =
            isHiddenControl(byte) || !utf8 ? QString(QChar(0xFFFD)) : QString::fromStdString(*utf8);
        EXPECT_EQ(decoded, expected) << "byte 0x" << std::hex << b;
    }
}

}  // namespace
}  // namespace kinmora
