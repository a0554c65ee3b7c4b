// The queries and find criteria the program sends to a family file.
#pragma once

#include <QString>
#include <cstdint>

#include "data/criterion.h"
#include "data/query.h"

namespace kinmora::queries {

// Every person, by name: the shared person record set.
Query allPersons();
// Every couple.
Query allMarriages();
// The person with code n.
Query personByCode(std::int64_t n);
// Every child of father n, or of mother n, by birth date.
Query childrenOfFather(std::int64_t n);
Query childrenOfMother(std::int64_t n);
// Every marriage of person c, in the order of the married table's third column.
Query marriagesOf(std::int64_t c);
// The children of the couple p and s (either way round), by birth date.
Query childrenOfCouple(std::int64_t p, std::int64_t s);
// The children of p whose other parent is unknown (0), by birth date.
Query childrenOfOneParent(std::int64_t p);

}  // namespace kinmora::queries

namespace kinmora::criteria {

// The person named `name` (letter case aside), as the chart finds its centre
// and the personal information window its person.
Criterion nameEquals(const QString& name);
// The person with code n, as the chart and the personal information window
// look a person up.
Criterion codeEquals(std::int64_t n);

}  // namespace kinmora::criteria
