// The generated families' shapes draw the same tree, so that the benchmarks
// compare shapes and nothing else.
#include "family_generator.h"

#include <gtest/gtest.h>

namespace kinmora::bench {
namespace {

TEST(FamilyGeneratorTest, ShapesShareTheTreeAndDifferInTheirTexts) {
    const GeneratedFamily longNotes = generateFamily(2000, 1, FamilyShape::LongNotes);
    for (FamilyShape shape : {FamilyShape::Compact, FamilyShape::Mixed}) {
        const GeneratedFamily other = generateFamily(2000, 1, shape);
        EXPECT_EQ(other.marriedCsv, longNotes.marriedCsv);
        EXPECT_EQ(other.largestChartName, longNotes.largestChartName);
        EXPECT_NE(other.familyCsv, longNotes.familyCsv);
    }
}

}  // namespace
}  // namespace kinmora::bench
