// Stored bytes decode whole in every form Access keeps text in: nothing is
// cut short or lost, and nothing in the text can act on a terminal.
#include "data/text_decoder.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QStringEncoder>

namespace kinmora {
namespace {

QString decoded(const TextDecoder& decoder, const QByteArray& bytes) {
    return decoder.decode(reinterpret_cast<const unsigned char*>(bytes.constData()),
                          static_cast<std::size_t>(bytes.size()));
}

QByteArray ucs2(const QString& text) {
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

TEST(TextDecoder, UnicodeTextComesBackWholeAndHarmless) {
    const TextDecoder decoder = TextDecoder::unicode();
    const QString emoji = QStringLiteral("ย่า 👵🏽 𠀀");
    struct Case {
        const char* what;
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {"pairs beyond the BMP stay whole", ucs2(emoji), emoji},
        {"C1 controls are masked", ucs2(QStringLiteral("a\u009Bb")), QStringLiteral("a\uFFFDb")},
        {"a lone surrogate is masked",
         ucs2(QStringLiteral("a")) + QByteArray("\x3D\xD8", 2) + ucs2(QStringLiteral("b")),
         QStringLiteral("a\uFFFDb")},
        {"an odd last byte is dropped", ucs2(QStringLiteral("กข")) + 'x', QStringLiteral("กข")},
        // FF FE, then one byte a character until a zero switches to two.
        {"compressed text switches width at each zero",
         QByteArray("\xFF\xFE"
                    "ab\0\x01\x0E\x02\x0E\0cd",
                    12),
         QStringLiteral("abกขcd")},
        {"compressed text cut inside a wide character keeps what is whole",
         QByteArray("\xFF\xFE"
                    "a\0\x01\x0E\x02",
                    7),
         QStringLiteral("aก")},
    };
    for (const Case& c : cases) EXPECT_EQ(decoded(decoder, c.bytes), c.text) << c.what;
}

TEST(TextDecoder, CodePagesDecodeEveryByteAndMaskWhatTheyLack) {
    struct Case {
        int codePage;
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {874, QByteArray("\xCA\xC1\x00\x1B\xA1", 5), QStringLiteral("สม\uFFFD\uFFFDก")},
        // 0x81 has no character in 1252; the rest goes on.
        {1252, QByteArray("caf\xE9\x81\x07!"), QStringLiteral("café\uFFFD\uFFFD!")},
        {936, QByteArray(QStringEncoder("GBK").encode(QStringLiteral("编码"))),
         QStringLiteral("编码")},
        // A double-byte character cut in two: what is whole stays.
        {936, QByteArray(QStringEncoder("GBK").encode(QStringLiteral("编码"))).left(3),
         QStringLiteral("编\uFFFD")},
        {1251, QByteArray("\xC8\xE2\xE0\xED"), QStringLiteral("Иван")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decoded(TextDecoder::codePage(c.codePage), c.bytes), c.text) << c.codePage;
    EXPECT_THROW(TextDecoder::codePage(65000 + 999), std::invalid_argument);
}

}  // namespace
}  // namespace kinmora
