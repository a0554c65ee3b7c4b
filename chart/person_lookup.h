// The two look-ups by code that the chart makes on the shared person record set.
#pragma once

#include <cstdint>
#include <optional>

#include "chart/family_side.h"
#include "data/record_set.h"
#include "data/value.h"

namespace kinmora {

// The `name` (maybe Null) of the person with code `input_no` in rs_family,
// which then stands on that person; nothing when the code names nobody.
std::optional<Value> find_name(RecordSet& rs_family, std::int16_t input_no);

// The parent code on `find_field`'s side (`fathercode` or `mothercode`, maybe
// Null) of the person with code `My_code` in rs_family, which then stands on
// that person; nothing when the code names nobody.
std::optional<Value> find_no(RecordSet& rs_family, FamilySide find_field, std::int16_t My_code);

}  // namespace kinmora
