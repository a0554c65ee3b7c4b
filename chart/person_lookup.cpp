// Both look-ups leave rs_family on the record found; a miss leaves it where it stood.
#include "chart/person_lookup.h"

#include "data/family_queries.h"

namespace kinmora {

std::optional<Value> find_name(RecordSet& rs_family, std::int16_t input_no) {
    rs_family.findFirst(criteria::codeEquals(input_no));
    if (rs_family.noMatch()) return std::nullopt;
    return rs_family.field(QStringLiteral("name"));
}

std::optional<Value> find_no(RecordSet& rs_family, FamilySide find_field, std::int16_t My_code) {
    rs_family.findFirst(criteria::codeEquals(My_code));
    if (rs_family.noMatch()) return std::nullopt;
    return rs_family.field(parentCodeField(find_field));
}

}  // namespace kinmora
