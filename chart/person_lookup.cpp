// Both look-ups leave persons on the record found; a miss leaves it where it stood.
#include "chart/person_lookup.h"

#include "data/family_queries.h"

namespace kinmora {

std::optional<Value> nameOfCode(RecordSet& persons, std::int16_t code) {
    if (!persons.findFirst(criteria::codeEquals(code))) return std::nullopt;
    return persons.field(QStringLiteral("name"));
}

std::optional<Value> parentCodeOf(RecordSet& persons, FamilySide parentField,
                                  std::int16_t personCode) {
    if (!persons.findFirst(criteria::codeEquals(personCode))) return std::nullopt;
    return persons.field(parentCodeField(parentField));
}

}  // namespace kinmora
