// Packed texts read back exactly, and only texts that fit are packed.
#include "data/packed_text.h"

#include <gtest/gtest.h>

#include "data/value.h"

namespace kinmora {
namespace {

TEST(PackedTextTest, ThaiAndAsciiTextsReadBackExactlyAndNoOthersArePacked) {
    QString everyCharacter;
    for (char16_t c = 0; c < 0x80; ++c) everyCharacter += QChar(c);
    for (char16_t c = 0x0E00; c < 0x0E80; ++c) everyCharacter += QChar(c);
    for (const QString& text :
         {QString(), QStringLiteral("เกิดที่บ้านริมแม่น้ำ\r\nปี 2490 (ค.ศ. 1947) ๑๒๓"), everyCharacter}) {
        const std::optional<PackedText> packed = PackedText::pack(text);
        ASSERT_TRUE(packed);
        EXPECT_EQ(packed->unpack(), text);
        // A packed text is the same value as the text itself.
        EXPECT_EQ(Value::text(*packed), Value::text(text));
        EXPECT_EQ(Value::text(*packed).kind(), Value::Kind::Text);
        EXPECT_EQ(Value::text(*packed).toText(), text);
    }
    EXPECT_NE(Value::text(*PackedText::pack(QStringLiteral("ก"))),
              Value::text(QStringLiteral("ข")));
    // Texts with any other character are not packed.
    for (const QString& text :
         {QStringLiteral("café"), QStringLiteral("ก\u0E80"), QStringLiteral("\u0DFFก"),
          QStringLiteral("ลาว ລາວ"), QString::fromUtf8("ยิ้ม 😀")})
        EXPECT_FALSE(PackedText::pack(text)) << text.toStdString();
}

}  // namespace
}  // namespace kinmora
