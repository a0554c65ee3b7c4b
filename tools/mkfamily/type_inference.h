// TypeInference picks the type of a column whose header gives none, from the values it holds.
#pragma once

#include <cstddef>
#include <string_view>

#include "column_type.h"

namespace kinmora::mkfamily {

class TypeInference {
public:
    void observe(std::string_view cell);  // empty cells (Null) say nothing and are ignored

    // Long Integer if every value is a whole number, Date/Time if every value is a date,
    // otherwise Text, or Memo once a value is longer than Text allows.
    ColumnType result() const;

private:
    bool seenValue_ = false;
    bool allWholeNumbers_ = true;
    bool allDates_ = true;
    std::size_t longest_ = 0;
};

}  // namespace kinmora::mkfamily
