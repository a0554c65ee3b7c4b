// Thai text is recognised by its bytes; Latin-1 and other code pages are not
// taken for it.
#include "data/thai_text_guess.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <QStringEncoder>

namespace kinmora {
namespace {

std::optional<bool> verdictOn(const QList<QByteArray>& values) {
    ThaiTextGuess guess;
    for (const QByteArray& v : values)
        guess.add(reinterpret_cast<const unsigned char*>(v.constData()),
                  static_cast<std::size_t>(v.size()));
    return guess.verdict();
}

QByteArray cp874(const QString& text) {
    // The Thai block sits at 0xA0 above its Unicode place.
    QByteArray bytes;
    for (const QChar c : text)
        bytes += c.unicode() >= 0x0E01 ? static_cast<char>(c.unicode() - 0x0E00 + 0xA0)
                                       : static_cast<char>(c.unicode());
    return bytes;
}

TEST(ThaiTextGuess, ThaiNamesAndProseAreThai) {
    const QList<QByteArray> cases[] = {
        {cp874(QStringLiteral("สมชาย")), cp874(QStringLiteral("ใจดี")),
         cp874(QStringLiteral("เกียรติ")), cp874(QStringLiteral("น้ำผึ้ง"))},
        // Prose with digits, punctuation, Thai digits, mai yamok and a stray symbol.
        {cp874(QStringLiteral("เกิดที่เชียงใหม่ พ.ศ. ๒๔๘๕ เป็นบุตรคนที่ 3, เรียนหนังสือเก่งๆ ชอบเล่นดนตรี"))},
        {cp874(QStringLiteral("กข"))},
        // Names that lean on the rarer letters.
        {cp874(QStringLiteral("ฐิติพร")), cp874(QStringLiteral("ศุภวัฒน์"))},
        {cp874(QStringLiteral("มณฑา ฤทธิ์ฤาชัย"))},
        {cp874(QStringLiteral("ก๋วยเตี๋ยว"))},
    };
    for (const auto& values : cases)
        EXPECT_EQ(verdictOn(values), true) << values.front().toHex().constData();
}

TEST(ThaiTextGuess, LatinCyrillicDoubleByteAndStrayMarksAreNotThaiAndAsciiIsNeither) {
    const auto in = [](const char* codec, const QString& text) {
        return QList<QByteArray>{QStringEncoder(codec).encode(text)};
    };
    const QList<QByteArray> cases[] = {
        {QStringLiteral("François").toLatin1(), QStringLiteral("Hélène").toLatin1(),
         QStringLiteral("à la maison, déjà vu, garçon").toLatin1()},
        // Capitals that fall on Thai consonants, alone between ASCII letters.
        {QStringLiteral("École Ànne Çedric Ðavid").toLatin1()},
        // Chinese in GBK, as one real file holds under a 1252 header; a
        // word of it falls in Thai order byte for byte.
        in("GBK",
           QStringLiteral(
               "中华人民共和国是工人阶级领导的、以工农联盟为基础的人民民主专政的社会主义国家。"
               "张伟出生于北京，他的父亲是一位教师，母亲是医生。家谱记录了五代人的故事。")),
        in("GBK", QStringLiteral("编码")),
        in("GBK", QStringLiteral("王秀英")),
        in("Big5", QStringLiteral("陳家族譜，祖父生於台南")),
        in("Big5", QStringLiteral("林美玲")),
        in("Shift_JIS", QStringLiteral("山田太郎は東京で生まれた。家系図")),
        in("Shift_JIS", QStringLiteral("ｶﾀｶﾅ ﾔﾏﾀﾞ")),  // half-width kana: single bytes
        in("EUC-KR", QStringLiteral("김민준은 서울에서 태어났다. 족보")),
        in("EUC-KR", QStringLiteral("이서연")),
        in("windows-1251", QStringLiteral("Иван Петрович Сидоров родился в Москве")),
        in("windows-1251", QStringLiteral("Мария")),
        // Tone marks and vowels with no consonant before them, leading vowels
        // with none after, are Thai letters' bytes, not Thai writing.
        {QByteArray("\xE8\xE9\xD4 \xE0 \xE1 \xD1\xE8 a\xE0 b\xE9", 17)},
    };
    for (const auto& values : cases)
        EXPECT_EQ(verdictOn(values), false) << values.front().toHex().constData();
    // Plain ASCII gives no verdict.
    EXPECT_EQ(verdictOn({"Somchai", "Jaidee", "born 1950\r\n"}), std::nullopt);
}

}  // namespace
}  // namespace kinmora
