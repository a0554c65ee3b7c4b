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

}  // namespace
}  // namespace kinmora
