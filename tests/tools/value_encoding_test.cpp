// Tests of the value encodings the file depends on: code page 874 text, Access day counts
// and the RC4 stream that scrambles the header.
#include <gtest/gtest.h>

#include <QByteArray>
#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "access_date.h"
#include "cp874_encoder.h"
#include "rc4.h"
#include "support/iconv_cp874.h"

using namespace kinmora::mkfamily;

namespace {

// glibc's WINDOWS-874 table, an independent source: every byte it defines must come
// back, and ASCII passes through.
TEST(Cp874Encoder, AgreesWithIconvOnEveryByte) {
    int defined = 0;
    for (int byte = 0x01; byte <= 0xFF; ++byte) {
        const auto utf8 = kinmora::testing::iconvCp874ToUtf8(static_cast<unsigned char>(byte));
        if (!utf8) continue;
        ++defined;
        EXPECT_EQ(Cp874Encoder::encode(*utf8), std::string(1, static_cast<char>(byte)))
            << "byte 0x" << std::hex << byte;
        EXPECT_EQ(Cp874Encoder::characterCount(*utf8), 1u) << "byte 0x" << std::hex << byte;
    }
    // ASCII, then 87 Thai letters and digits, NBSP and 9 punctuation marks.
    EXPECT_EQ(defined, 127 + 97);
    EXPECT_EQ(Cp874Encoder::encode("สมชาย ใจดี"), "\xCA\xC1\xAA\xD2\xC2 \xE3\xA8\xB4\xD5");
    EXPECT_EQ(Cp874Encoder::characterCount("สมชาย ใจดี"), 10u);
    EXPECT_EQ(Cp874Encoder::encode(""), "");
}

class Cp874Reject : public testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(Cp874Reject, SaysWhy) {
    try {
        Cp874Encoder::encode(GetParam().first);
        FAIL() << "accepted " << GetParam().first;
    } catch (const std::invalid_argument& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().second);
    }
}

const std::string kNotUtf8 = "text is not valid UTF-8";
INSTANTIATE_TEST_SUITE_P(
    Cases, Cp874Reject,
    testing::Values(std::make_pair("a\u0E3Bb",
                                   "character '\u0E3B' (U+0E3B) is not in code page 874 (Thai)"),
                    std::make_pair("café", "character 'é' (U+00E9) is not in code page 874 (Thai)"),
                    std::make_pair("\xC0\x80", kNotUtf8),      // overlong
                    std::make_pair("\xE0\xB8", kNotUtf8),      // cut short
                    std::make_pair("\xED\xA0\x80", kNotUtf8),  // a surrogate
                    std::make_pair("\x80", kNotUtf8)));        // a lone continuation byte

struct DateCase {
    std::string text;
    std::optional<double> days;
};

class AccessDates : public testing::TestWithParam<DateCase> {};

TEST_P(AccessDates, CountDaysTheAccessWay) {
    const auto days = AccessDate::fromText(GetParam().text);
    ASSERT_EQ(days.has_value(), GetParam().days.has_value()) << GetParam().text;
    if (days) {
        EXPECT_DOUBLE_EQ(*days, *GetParam().days) << GetParam().text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Valid, AccessDates,
    testing::Values(DateCase{"1899-12-30", 0.0}, DateCase{"1899-12-31", 1.0},
                    DateCase{"1900-01-01", 2.0}, DateCase{"1899-12-29", -1.0},
                    DateCase{"1899-12-30 12:00:00", 0.5},
                    // Before 1899-12-30 the time is subtracted from the negative day.
                    DateCase{"1899-12-29 12:00:00", -1.5},
                    DateCase{"1800-01-01 06:00:00", -36522.25}, DateCase{"2000-02-29", 36585.0},
                    DateCase{"9999-12-31 23:59:59", 2958465.0 + 86399.0 / 86400.0},
                    DateCase{"0100-01-01", -657434.0}));

INSTANTIATE_TEST_SUITE_P(
    Invalid, AccessDates,
    testing::Values(DateCase{"2001-02-29", {}}, DateCase{"1900-02-29", {}},
                    DateCase{"2000-04-31", {}}, DateCase{"2000-13-01", {}},
                    DateCase{"2000-00-10", {}}, DateCase{"2000-1-01", {}},
                    DateCase{"0099-12-31", {}}, DateCase{"2000-01-01T00:00:00", {}},
                    DateCase{"2000-01-01 12:00", {}}, DateCase{"2000-01-01 24:00:00", {}},
                    DateCase{"2000-01-01 00:60:00", {}}, DateCase{"2000-01-01 23:59:60", {}},
                    DateCase{"abcd-ef-gh", {}}, DateCase{"", {}}));

// Published test vectors; applying the stream twice gives the plain text back.
TEST(Rc4, MatchesPublishedCipherText) {
    const std::vector<std::array<std::string, 3>> vectors{
        {"Key", "Plaintext", "BBF316E8D940AF0AD3"},
        {"Wiki", "pedia", "1021BF0420"},
        {"Secret", "Attack at dawn", "45A01F645FC35B383552544B9BF5"}};
    for (const auto& [key, plain, cipherHex] : vectors) {
        std::string data = plain;
        Rc4(key).apply(data.data(), data.size());
        EXPECT_EQ(QByteArray::fromStdString(data).toHex().toUpper().toStdString(), cipherHex)
            << key;
        Rc4(key).apply(data.data(), data.size());
        EXPECT_EQ(data, plain) << key;
    }
}

}  // namespace
