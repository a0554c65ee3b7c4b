// Only equality is ever asked of a record set, compared as Access compares.
#include "data/criterion.h"

namespace kinmora {
namespace {

// The number a value stands for, when it stands for one.
bool numberOf(const Value& v, double& out) {
    switch (v.kind()) {
        case Value::Kind::Integer:
        case Value::Kind::Real:
        case Value::Kind::Bool:
            out = v.toReal();
            return true;
        case Value::Kind::Text: {
            bool ok = false;
            out = v.toText().trimmed().toDouble(&ok);
            return ok;
        }
        default:
            return false;
    }
}

}  // namespace

QString Criterion::text() const {
    if (literal.kind() != Value::Kind::Text) return field + QLatin1Char('=') + literal.toText();
    QString doubled = literal.toText();
    doubled.replace(QLatin1Char('\''), QLatin1String("''"));
    return field + QStringLiteral("='") + doubled + QLatin1Char('\'');
}

bool Criterion::matches(const Value& value) const {
    if (value.isNull()) return false;
    if (literal.kind() == Value::Kind::Text && value.kind() == Value::Kind::Text)
        return value.toText().compare(literal.toText(), Qt::CaseInsensitive) == 0;
    double a = 0, b = 0;
    return numberOf(value, a) && numberOf(literal, b) && a == b;
}

}  // namespace kinmora
