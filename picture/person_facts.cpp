// The facts are read once per picture: thousands of boxes must not each find
// their person again in the shared record set.
#include "picture/person_facts.h"

#include "data/family_file_error.h"
#include "data/person_particulars.h"

namespace kinmora {
namespace {

// A date column that holds a date, in the particulars window's words; "" otherwise.
QString dateOf(const Value& v) {
    return v.kind() == Value::Kind::Date ? dateText(v.toDate()) : QString();
}

int columnOf(const RecordSet& rows, const char* name) {
    const int index = rows.fieldIndex(QLatin1String(name));
    if (index < 0)
        throw FamilyFileError(
            FamilyFileError::Kind::NotFamilyFile,
            QStringLiteral("the family table has no field ") + QLatin1String(name));
    return index;
}

}  // namespace

PersonFacts PersonFacts::load(FamilyDatabase& database) {
    PersonFacts facts;
    // Only the columns a box shows: the biographies would cost more than
    // all the rest. Rows come in stored order, without sorting 32,767 names.
    RecordSet rows =
        database.db().recordSet(QStringLiteral("Select code, surname, sex, born, die from family"));
    if (rows.atEnd()) return facts;
    const int code = columnOf(rows, "code");
    const int surname = columnOf(rows, "surname");
    const int sex = columnOf(rows, "sex");
    const int born = columnOf(rows, "born");
    const int die = columnOf(rows, "die");
    facts.m_byCode.reserve(rows.recordCount());
    for (; !rows.atEnd(); rows.next()) {
        // A row without a usable code is never on a chart.
        const std::optional<std::int64_t> c = rows.value(code).wholeNumber(1, INT32_MAX);
        if (!c || facts.m_byCode.contains(*c)) continue;
        Facts f;
        f.surname = rows.value(surname).toText();
        f.male = rows.value(sex).isTrue();
        f.dates = datesText(dateOf(rows.value(born)), dateOf(rows.value(die)));
        facts.m_byCode.insert(*c, f);
    }
    return facts;
}

const PersonFacts::Facts* PersonFacts::find(std::int64_t code) const {
    const auto it = m_byCode.constFind(code);
    return it == m_byCode.constEnd() ? nullptr : &*it;
}

QString PersonFacts::datesText(const QString& born, const QString& died) {
    if (died.isEmpty()) return born;
    if (born.isEmpty()) return QStringLiteral("- ") + died;
    return born + QStringLiteral(" - ") + died;
}

}  // namespace kinmora
