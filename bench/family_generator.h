// Makes large, deterministic, realistically shaped Thai families as CSV text,
// for measuring the program at the sizes a family file can reach.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kinmora::bench {

// What the persons' records look like; the family tree itself (who is whose
// child, who married whom, the dates) is the same in every shape.
enum class FamilyShape {
    // Thai names with many namesakes, biographies from empty to 2 KB.
    LongNotes,
    // Every given name different, biographies of 0 to 40 characters: the
    // short records many families keep.
    Compact,
    // Half the persons as in LongNotes, half as in Compact.
    Mixed,
};

// The shape named `name` ("long-notes", "compact", "mixed"), or nothing.
std::optional<FamilyShape> shapeNamed(std::string_view name);

struct GeneratedFamily {
    std::string familyCsv;   // header and one row per person
    std::string marriedCsv;  // header and one row per couple
    int persons = 0;
    // The name of the person whose chart is the largest by construction.
    std::string largestChartName;
};

// A family of exactly `persons` persons (1 to 32,767): a few founding couples
// and about twelve generations, two to six children per couple, about one
// person in ten married twice, one child in twenty with one parent unknown,
// Thai names with many namesakes, dates with some unknown, and biographies
// from empty to 2 KB of Thai text. One line of descendants has as many
// children as the shape allows, so that one chart is very large. The same
// `persons`, `seed` and `shape` always give the same text.
GeneratedFamily generateFamily(int persons, std::uint64_t seed = 1,
                               FamilyShape shape = FamilyShape::LongNotes);

}  // namespace kinmora::bench
