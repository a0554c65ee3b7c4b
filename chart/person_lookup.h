// The two look-ups by code that the chart makes on the shared person record set.
#pragma once

#include "data/record_set.h"
#include "data/value.h"

#include <QString>
#include <cstdint>

namespace kinmora {

// Finds "code= input_no" in rs_family from its first record and returns the
// `name` of the record rs_family then stands on (Null if the field is Null).
// Nothing is tested: rs_family.noMatch() tells whether a person was found.
Value find_name(RecordSet& rs_family, std::int16_t input_no);

// Finds "code = My_code" in rs_family and returns that record's `fathercode`
// for "Father", its `mothercode` for "Mother" (compared exactly), and an
// empty (Null) value for any other selector, rs_family having moved all the same.
Value find_no(RecordSet& rs_family, const QString& find_field, std::int16_t My_code);

}  // namespace kinmora
