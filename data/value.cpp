// Conversions of a field value, with the messages a failed one gives.
#include "data/value.h"

#include <cmath>

#include "data/family_file_error.h"
#include "data/jet_date.h"

namespace kinmora {

QString Value::toText() const {
    switch (kind()) {
        case Kind::Null:
            return {};
        case Kind::Bool:
            return std::get<bool>(m_data) ? QStringLiteral("True") : QStringLiteral("False");
        case Kind::Integer:
            return QString::number(std::get<std::int64_t>(m_data));
        case Kind::Real:
            return QString::number(std::get<double>(m_data), 'g', 15);
        case Kind::Text:
            if (const auto* packed = std::get_if<PackedText>(&m_data)) return packed->unpack();
            return std::get<QString>(m_data);
        case Kind::Date:
            return jetDateToDateTime(std::get<JetDate>(m_data)).toString(Qt::ISODate);
    }
    return {};
}

bool Value::operator==(const Value& other) const {
    if (kind() == Kind::Text && other.kind() == Kind::Text &&
        m_data.index() != other.m_data.index())
        return toText() == other.toText();
    return m_data == other.m_data;
}

bool Value::isTrue() const {
    switch (kind()) {
        case Kind::Bool:
            return std::get<bool>(m_data);
        case Kind::Integer:
            return std::get<std::int64_t>(m_data) != 0;
        case Kind::Real:
            return std::get<double>(m_data) != 0.0;
        default:
            return false;
    }
}

namespace {

FamilyFileError wrongValue(const QString& reason) {
    return FamilyFileError(FamilyFileError::Kind::Damaged, reason);
}

}  // namespace

std::optional<std::int64_t> Value::wholeNumber(std::int64_t minimum, std::int64_t maximum) const {
    try {
        return toInteger(minimum, maximum);
    } catch (const FamilyFileError&) {
        return std::nullopt;
    }
}

std::int64_t Value::toInteger(std::int64_t minimum, std::int64_t maximum) const {
    std::int64_t n = 0;
    switch (kind()) {
        case Kind::Null:
            throw wrongValue(QStringLiteral("a value is missing (Null) where a number is needed"));
        case Kind::Bool:
            n = std::get<bool>(m_data) ? -1 : 0;
            break;
        case Kind::Integer:
            n = std::get<std::int64_t>(m_data);
            break;
        case Kind::Real: {
            const double d = std::round(std::get<double>(m_data));
            if (!(d >= static_cast<double>(minimum) && d <= static_cast<double>(maximum)))
                throw wrongValue(QStringLiteral("the number %1 is out of range").arg(toText()));
            n = static_cast<std::int64_t>(d);
            break;
        }
        case Kind::Text: {
            bool ok = false;
            n = toText().trimmed().toLongLong(&ok);
            if (!ok)
                throw wrongValue(
                    QStringLiteral("the text \"%1\" is not a whole number").arg(toText()));
            break;
        }
        case Kind::Date:
            throw wrongValue(QStringLiteral("a date stands where a number is needed"));
    }
    if (n < minimum || n > maximum)
        throw wrongValue(QStringLiteral("the number %1 is out of range (%2 to %3)")
                             .arg(n)
                             .arg(minimum)
                             .arg(maximum));
    return n;
}

double Value::toReal() const {
    switch (kind()) {
        case Kind::Bool:
            return std::get<bool>(m_data) ? -1.0 : 0.0;
        case Kind::Integer:
            return static_cast<double>(std::get<std::int64_t>(m_data));
        case Kind::Real:
            return std::get<double>(m_data);
        default:
            throw wrongValue(
                QStringLiteral("a value that is not a number stands where a number is needed"));
    }
}

JetDate Value::toDate() const {
    if (kind() != Kind::Date)
        throw wrongValue(
            QStringLiteral("a value that is not a date stands where a date is needed"));
    return std::get<JetDate>(m_data);
}

}  // namespace kinmora
