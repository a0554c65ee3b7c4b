// A field value as the family file holds it: Null, Yes/No, a whole number, a
// real number, text or a date.
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>
#include <variant>

#include "data/packed_text.h"

namespace kinmora {

// A Date/Time value kept as the Access day number: whole days since
// 1899-12-30, the fraction being the time of day. Comparing two of them
// compares the moments they stand for.
struct JetDate {
    double days = 0.0;
    auto operator<=>(const JetDate&) const = default;
};

class Value {
public:
    enum class Kind { Null, Bool, Integer, Real, Text, Date };

    Value() = default;
    static Value null() { return Value(); }
    static Value boolean(bool b) { return Value(Data(b)); }
    static Value integer(std::int64_t n) { return Value(Data(n)); }
    static Value real(double d) { return Value(Data(d)); }
    static Value text(QString s) { return Value(Data(std::move(s))); }
    // A text kept packed (see PackedText); it reads as the text it packs.
    static Value text(PackedText s) { return Value(Data(std::move(s))); }
    static Value date(JetDate d) { return Value(Data(d)); }

    Kind kind() const {
        return m_data.index() == kPacked ? Kind::Text : static_cast<Kind>(m_data.index());
    }
    bool isNull() const { return kind() == Kind::Null; }

    // The value as text, Null giving empty text: how the program shows a
    // field joined with a literal.
    QString toText() const;

    // True only for a Yes/No value that is Yes, or a non-zero number.
    bool isTrue() const;

    // The value as a whole number. Throws FamilyFileError (Damaged) for
    // Null, text that is not a number, and numbers outside [minimum, maximum].
    std::int64_t toInteger(std::int64_t minimum, std::int64_t maximum) const;
    // The same, giving nothing where toInteger() throws.
    std::optional<std::int64_t> wholeNumber(std::int64_t minimum, std::int64_t maximum) const;

    // The value as a 16-bit person code (the range a code lives in).
    std::int16_t toInt16() const { return static_cast<std::int16_t>(toInteger(-32768, 32767)); }

    // The value as a real number; throws FamilyFileError (Damaged) for Null, text and dates.
    double toReal() const;

    // The date of a Date/Time value; throws FamilyFileError (Damaged) for any other kind.
    JetDate toDate() const;

    // Equal kinds and values; a packed text equals the same text unpacked.
    bool operator==(const Value& other) const;

private:
    // The alternatives in the order of Kind, then the packed text.
    using Data =
        std::variant<std::monostate, bool, std::int64_t, double, QString, JetDate, PackedText>;
    static constexpr std::size_t kPacked = 6;
    explicit Value(Data d) : m_data(std::move(d)) {}
    Data m_data;
};

}  // namespace kinmora
