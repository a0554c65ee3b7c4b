// A find criterion of the form `field = literal`, as the program sends it to a record set.
#pragma once

#include <QString>

#include "data/value.h"

namespace kinmora {

struct Criterion {
    QString field;  // the field's name, matched without regard to case
    Value literal;  // a text or a whole/real number

    // The criterion as a person reads it in a message: "name='O''Brien'", "code=12".
    QString text() const;

    // True when `value` satisfies the criterion the way Access compares:
    // text without regard to letter case, numbers by value, Null never.
    bool matches(const Value& value) const;
};

}  // namespace kinmora
