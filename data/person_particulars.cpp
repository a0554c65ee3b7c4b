// The particulars as the personal information window has always worked them
// out. Ages count real elapsed days, so the linear day numbers of JetDate are
// subtracted directly.
#include "data/person_particulars.h"

#include <cmath>
#include <cstdint>

#include "data/family_queries.h"
#include "data/jet_date.h"

namespace kinmora {
namespace {

constexpr double kDaysPerYear = 365.25;

// A parent code as a 16-bit number; a value that is not one means no parent,
// so a damaged row shows a blank label rather than stopping the window.
std::optional<std::int64_t> parentCode(const Value& value) {
    return value.wholeNumber(INT16_MIN, INT16_MAX);
}

QString parentText(RecordSet& rs, std::optional<std::int64_t> code) {
    if (!code) return kNoParent;
    if (!rs.findFirst(criteria::codeEquals(*code))) return kNoParent;
    return rs.field(QStringLiteral("name")).toText() + QStringLiteral("   ") +
           rs.field(QStringLiteral("surname")).toText();
}

}  // namespace

QString dateText(JetDate d) {
    // The whole day alone: a time of day close to midnight must not round into the next day.
    const QDate date = jetDateToDateTime(JetDate{std::floor(d.days)}).date();
    return QStringLiteral("%1/%2/%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year() + 543);
}

QString ageText(JetDate born, JetDate end) {
    const double d = end.days - born.days;
    const double years = std::floor(d / kDaysPerYear);
    const double days = std::floor(d - years * kDaysPerYear);
    return QStringLiteral("อายุ ") + QString::number(static_cast<qint64>(years)) +
           QStringLiteral("  ปี  ") + QString::number(static_cast<qint64>(days)) +
           QStringLiteral("  วัน");
}

// A date field that holds something other than a date (a damaged or
// home-made file) counts as an unknown date.
static Value dateOrNull(const Value& v) {
    return v.kind() == Value::Kind::Date ? v : Value::null();
}

std::optional<PersonParticulars> loadParticulars(RecordSet& rs, const QString& pickedName,
                                                 const QDateTime& now) {
    const Criterion personCriterion = criteria::nameEquals(pickedName);
    // A miss must never show somebody else's particulars.
    if (!rs.findFirst(personCriterion)) return std::nullopt;

    PersonParticulars p;
    p.name = rs.field(QStringLiteral("name")).toText();
    p.surname = rs.field(QStringLiteral("surname")).toText();
    p.sex =
        rs.field(QStringLiteral("sex")).isTrue() ? QStringLiteral("ชาย") : QStringLiteral("หญิง");
    const Value born = dateOrNull(rs.field(QStringLiteral("born")));
    const Value die = dateOrNull(rs.field(QStringLiteral("die")));
    const Value still = rs.field(QStringLiteral("still"));
    p.born = born.isNull() ? kUnknownDate : dateText(born.toDate());
    p.died = die.isNull() ? QString() : dateText(die.toDate());
    p.biography = rs.field(QStringLiteral("biography")).toText() + QLatin1Char(' ');
    if (still.isTrue() && die.isNull()) p.died = kUnknownDate;

    const auto father = parentCode(rs.field(QStringLiteral("fathercode")));
    const auto mother = parentCode(rs.field(QStringLiteral("mothercode")));
    p.father = parentText(rs, father);
    p.mother = parentText(rs, mother);

    rs.findFirst(personCriterion);

    // `still` must equal False, not merely fail to be True: a Null gives no age.
    const bool stillFalse = !still.isNull() && !still.isTrue();
    if (!born.isNull() && !die.isNull())
        p.age = ageText(born.toDate(), die.toDate());
    else if (!born.isNull() && stillFalse)
        p.age = ageText(born.toDate(), jetDateFromDateTime(now));
    return p;
}

}  // namespace kinmora
