// Both look-ups leave rs_family on the record found; callers read the value at once.
#include "chart/person_lookup.h"

#include "data/family_queries.h"

namespace kinmora {

Value find_name(RecordSet& rs_family, std::int16_t input_no) {
    rs_family.findFirst(criteria::codeEqualsTight(input_no));
    return rs_family.field(QStringLiteral("name"));
}

Value find_no(RecordSet& rs_family, const QString& find_field, std::int16_t My_code) {
    rs_family.findFirst(criteria::codeEquals(My_code));
    if (find_field == QLatin1String("Father"))
        return rs_family.field(QStringLiteral("fathercode"));
    if (find_field == QLatin1String("Mother"))
        return rs_family.field(QStringLiteral("mothercode"));
    return Value::null();
}

}  // namespace kinmora
