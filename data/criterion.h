// A find criterion of the form `field = literal`, as the program sends it to a record set.
#pragma once

#include <QString>

#include "data/value.h"

namespace kinmora {

struct Criterion {
    QString field;  // the field's name, matched without regard to case
    Value literal;  // a text or a whole/real number

    // Parses "name='Somchai'", "name= 'O''Brien'", "code= 12", "code = -3".
    // A quoted text doubles an apostrophe inside it. Throws FamilyFileError
    // (BadQuery) when the text is not such a criterion.
    static Criterion parse(const QString& text);

    // The criterion written as parse() reads it: "name='O''Brien'", "code=12".
    QString text() const;

    // True when `value` satisfies the criterion the way Access compares:
    // text without regard to letter case, numbers by value, Null never.
    bool matches(const Value& value) const;
};

}  // namespace kinmora
