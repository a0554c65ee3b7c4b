// Every query's text is fixed here, spaces and letter case included; the
// numbers are bound as parameters, so the chart's thousands of queries that
// differ only in a code share one prepared statement.
#include "data/family_queries.h"

#include "data/family_columns.h"

namespace kinmora::queries {

Query allPersons() {
    return {QStringLiteral("Select * from family order by name"), {}};
}

Query allMarriages() {
    return {QStringLiteral("Select * from married"), {}};
}

Query personByCode(std::int64_t c) {
    return {QStringLiteral("Select * from family where code = ? order by born"), {c}};
}

Query childrenOfFather(std::int64_t c) {
    return {QStringLiteral("Select * from family where fathercode = ? order by born"), {c}};
}

Query childrenOfMother(std::int64_t c) {
    return {QStringLiteral("Select * from family where mothercode = ? order by born"), {c}};
}

Query marriagesOf(std::int64_t c) {
    return {QStringLiteral("select * from married where fathercode= ? or mothercode= ? order by 3"),
            {c, c}};
}

Query childrenOfCouple(std::int64_t p, std::int64_t s) {
    return {QStringLiteral("Select * from FAMILY where fathercode= ? AND mothercode= ? OR "
                           "fathercode= ? AND mothercode= ? order by born"),
            {p, s, s, p}};
}

Query childrenOfOneParent(std::int64_t p) {
    return {QStringLiteral("Select * from FAMILY where fathercode= ? AND mothercode=0 OR "
                           "fathercode=0 AND mothercode= ? order by born"),
            {p, p}};
}

}  // namespace kinmora::queries

namespace kinmora::criteria {

Criterion nameEquals(const QString& name) {
    return Criterion{QLatin1String(family_field::kName), Value::text(name)};
}

Criterion codeEquals(std::int64_t n) {
    return Criterion{QLatin1String(family_field::kCode), Value::integer(n)};
}

}  // namespace kinmora::criteria
