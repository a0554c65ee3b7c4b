// A person code may be stored as a number, as text or as a real number by
// whichever program wrote the file: each reads as the code it stands for,
// and what cannot be a code reads as none rather than as somebody.
#include "data/value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kinmora {
namespace {

TEST(Value, CodesReadAsTheWholeNumbersTheyStandFor) {
    struct Case {
        const char* what;
        Value value;
        std::optional<std::int64_t> code;  // in the range of a person code
    };
    const Case cases[] = {
        {"a number", Value::integer(12), 12},
        {"text with spaces", Value::text(QStringLiteral(" 12 ")), 12},
        {"a packed text", Value::text(*PackedText::pack(QStringLiteral("7"))), 7},
        {"a real number, rounded", Value::real(11.6), 12},
        {"Yes (Access's -1)", Value::boolean(true), -1},
        {"No", Value::boolean(false), 0},
        {"Null", Value::null(), std::nullopt},
        {"text that is no number", Value::text(QStringLiteral("12a")), std::nullopt},
        {"a number beyond any code", Value::integer(40000), std::nullopt},
        {"a real beyond any code", Value::real(1e12), std::nullopt},
        {"not a number", Value::real(std::numeric_limits<double>::quiet_NaN()), std::nullopt},
        {"a date", Value::date(JetDate{1.0}), std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(c.value.wholeNumber(-32768, 32767), c.code) << c.what;
}

TEST(Value, TextOfEachKindAndWrongKindsAreRefusedWithAReason) {
    EXPECT_EQ(Value::null().toText(), QString());
    EXPECT_EQ(Value::boolean(true).toText(), QStringLiteral("True"));
    EXPECT_EQ(Value::real(0.1 + 0.2).toText(), QStringLiteral("0.3"));
    EXPECT_EQ(Value::date(JetDate{2.25}).toText(), QStringLiteral("1900-01-01T06:00:00"));
    EXPECT_EQ(Value::text(*PackedText::pack(QStringLiteral("ก"))),
              Value::text(QStringLiteral("ก")));
    EXPECT_FALSE(Value::text(QStringLiteral("1")) == Value::integer(1));
    EXPECT_TRUE(Value::real(-0.5).isTrue());
    EXPECT_FALSE(Value::text(QStringLiteral("1")).isTrue());
    EXPECT_EQ(Value::boolean(true).toReal(), -1.0);
    EXPECT_THROW(Value::text(QStringLiteral("1.5")).toReal(), std::runtime_error);
    EXPECT_THROW(Value::integer(1).toDate(), std::runtime_error);
}

}  // namespace
}  // namespace kinmora
