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
    bool m_seenValue = false;
    bool m_allWholeNumbers = true;
    bool m_allDates = true;
    std::size_t m_longest = 0;
};

}  // namespace kinmora::mkfamily
