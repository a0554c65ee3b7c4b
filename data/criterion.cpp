// Only equality is ever asked of a record set; the parser accepts exactly that
// and says so plainly for anything else.
#include "data/criterion.h"

#include "data/family_file_error.h"

namespace kinmora {
namespace {

FamilyFileError notUnderstood(const QString& text) {
    return FamilyFileError(FamilyFileError::Kind::BadQuery,
                           QStringLiteral("cannot understand the find criterion \"%1\"").arg(text));
}

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

Criterion Criterion::parse(const QString& text) {
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals <= 0) throw notUnderstood(text);
    Criterion c;
    c.field = text.left(equals).trimmed();
    if (c.field.startsWith(QLatin1Char('[')) && c.field.endsWith(QLatin1Char(']')))
        c.field = c.field.mid(1, c.field.size() - 2);
    if (c.field.isEmpty()) throw notUnderstood(text);
    const QString rest = text.mid(equals + 1).trimmed();
    if (rest.size() >= 2 &&
        (rest.front() == QLatin1Char('\'') || rest.front() == QLatin1Char('"'))) {
        const QChar quote = rest.front();
        QString literal;
        qsizetype i = 1;
        for (; i < rest.size(); ++i) {
            if (rest[i] == quote) {
                if (i + 1 < rest.size() && rest[i + 1] == quote) {
                    literal += quote;
                    ++i;
                    continue;
                }
                break;
            }
            literal += rest[i];
        }
        if (i != rest.size() - 1) throw notUnderstood(text);
        c.literal = Value::text(literal);
        return c;
    }
    bool ok = false;
    const qlonglong whole = rest.toLongLong(&ok);
    if (ok) {
        c.literal = Value::integer(whole);
        return c;
    }
    const double real = rest.toDouble(&ok);
    if (!ok) throw notUnderstood(text);
    c.literal = Value::real(real);
    return c;
}

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
