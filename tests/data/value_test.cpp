// A field's value as the number or date the family needs: codes kept as
// text, Yes/No or fractions read as Access reads them, and a value that
// cannot be one says why instead of giving a wrong number.
#include "data/value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "data/family_file_error.h"

namespace kinmora {
namespace {

// The number, or the reason it cannot be had, within a 16-bit code's range.
std::string code(const Value& v) {
    try {
        return std::to_string(v.toInteger(-32768, 32767));
    } catch (const FamilyFileError& e) {
        EXPECT_EQ(e.kind(), FamilyFileError::Kind::Damaged);
        return e.reason().toStdString();
    }
}

TEST(ValueConversion, CodesRealsAndDatesFromWhatHoldsThemOrWhyNot) {
    EXPECT_EQ(code(Value::integer(-7)), "-7");
    EXPECT_EQ(code(Value::text(QStringLiteral(" 12 "))), "12");
    EXPECT_EQ(code(Value::boolean(true)), "-1");  // Access's Yes
    EXPECT_EQ(code(Value::boolean(false)), "0");
    EXPECT_EQ(code(Value::real(2.5)), "3");  // rounded as Access rounds half away
    EXPECT_EQ(code(Value::real(40000)), "the number 40000 is out of range");
    EXPECT_EQ(code(Value::real(std::numeric_limits<double>::quiet_NaN())),
              "the number nan is out of range");
    EXPECT_EQ(code(Value::integer(70000)), "the number 70000 is out of range (-32768 to 32767)");
    EXPECT_EQ(code(Value::text(QStringLiteral("สิบ"))), "the text \"สิบ\" is not a whole number");
    EXPECT_EQ(code(Value::date(JetDate{1})), "a date stands where a number is needed");
    EXPECT_EQ(code(Value::null()), "a value is missing (Null) where a number is needed");
    EXPECT_EQ(Value::text(QStringLiteral("x")).wholeNumber(0, 9), std::nullopt);
    // Reals and dates only from what holds them.
    EXPECT_EQ(Value::boolean(true).toReal(), -1.0);
    EXPECT_EQ(Value::integer(3).toReal(), 3.0);
    EXPECT_THROW(Value::text(QStringLiteral("3")).toReal(), FamilyFileError);
    EXPECT_EQ(Value::date(JetDate{2.25}).toDate().days, 2.25);
    EXPECT_THROW(Value::real(2.25).toDate(), FamilyFileError);
}

}  // namespace
}  // namespace kinmora
