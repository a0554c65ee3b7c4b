// The two look-ups by code that the chart makes on the shared person record set.
#pragma once

#include <cstdint>
#include <optional>

#include "chart/family_side.h"
#include "data/record_set.h"
#include "data/value.h"

namespace kinmora {

// The `name` (maybe Null) of the person with code `code` in persons,
// which then stands on that person; nothing when the code names nobody.
std::optional<Value> nameOfCode(RecordSet& persons, std::int16_t code);

// The parent code on `parentField`'s side (`fathercode` or `mothercode`, maybe
// Null) of the person with code `personCode` in persons, which then stands on
// that person; nothing when the code names nobody.
std::optional<Value> parentCodeOf(RecordSet& persons, FamilySide parentField,
                                  std::int16_t personCode);

}  // namespace kinmora
