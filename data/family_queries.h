// The query texts and find criteria the program sends to a family file, word for word.
#pragma once

#include <QString>
#include <cstdint>

namespace kinmora::queries {

// Every person, by name: the shared person record set.
QString allPersons();
// Every couple.
QString allMarriages();
// The person with code n.
QString personByCode(std::int64_t n);
// Every child of father n, or of mother n, by birth date.
QString childrenOfFather(std::int64_t n);
QString childrenOfMother(std::int64_t n);
// Every marriage of person c, in the order of the married table's third column.
QString marriagesOf(std::int64_t c);
// The children of the couple p and s (either way round), by birth date.
QString childrenOfCouple(std::int64_t p, std::int64_t s);
// The children of p whose other parent is unknown (0), by birth date.
QString childrenOfOneParent(std::int64_t p);

}  // namespace kinmora::queries

namespace kinmora::criteria {

// "name='…'", as the chart finds its centre person. An apostrophe inside the
// name is doubled, so that every name can be found.
QString nameEquals(const QString& name);
// "name= '…'", as the personal information window finds its person.
QString nameEqualsSpaced(const QString& name);
// "code= n", as find_name looks a person up.
QString codeEqualsTight(std::int64_t n);
// "code = n", as find_no and the personal information window look a person up.
QString codeEquals(std::int64_t n);

}  // namespace kinmora::criteria
