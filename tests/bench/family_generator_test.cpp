// The generated families' shapes: the same tree in every shape, unique names
// and short notes where the shape promises them.
#include "family_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "csv_reader.h"

namespace kinmora::bench {
namespace {

struct Row {
    std::string name, biography, parents;  // parents: "fathercode,mothercode"
};

// The rows of family.csv, as the writer reads them.
std::vector<Row> rows(const std::string& csv) {
    std::vector<Row> out;
    mkfamily::CsvReader reader(csv, "family.csv");
    reader.next();  // the header
    while (auto record = reader.next()) {
        const auto& f = record->fields;
        out.push_back({f.at(1).text, f.at(7).text, f.at(8).text + "," + f.at(9).text});
    }
    return out;
}

std::size_t characters(const std::string& utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

TEST(FamilyGeneratorTest, ShapesShareTheTreeAndKeepTheirPromises) {
    const GeneratedFamily longNotes = generateFamily(32767, 1, FamilyShape::LongNotes);
    const GeneratedFamily compact = generateFamily(32767, 1, FamilyShape::Compact);
    const GeneratedFamily mixed = generateFamily(32767, 1, FamilyShape::Mixed);
    EXPECT_EQ(compact.marriedCsv, longNotes.marriedCsv);
    EXPECT_EQ(mixed.marriedCsv, longNotes.marriedCsv);
    EXPECT_EQ(compact.largestChartName, longNotes.largestChartName);

    const std::vector<Row> l = rows(longNotes.familyCsv), c = rows(compact.familyCsv),
                           m = rows(mixed.familyCsv);
    ASSERT_EQ(c.size(), 32767u);
    ASSERT_EQ(l.size(), c.size());
    std::set<std::string> names;
    std::size_t longBiographies = 0, uniqueInMixed = 0;
    const std::set<std::string> commonNames = [&] {
        std::set<std::string> s;
        for (const Row& r : l) s.insert(r.name);
        return s;
    }();
    for (std::size_t i = 0; i < c.size(); ++i) {
        EXPECT_EQ(c[i].parents, l[i].parents) << "person " << i + 1;
        EXPECT_EQ(m[i].parents, l[i].parents) << "person " << i + 1;
        EXPECT_TRUE(names.insert(c[i].name).second) << "a second " << c[i].name;
        EXPECT_LE(characters(c[i].biography), 40u) << c[i].biography;
        if (characters(l[i].biography) > 40) ++longBiographies;
        if (!commonNames.count(m[i].name)) ++uniqueInMixed;
    }
    // The largest chart's centre is still found by its name alone.
    EXPECT_EQ(std::count_if(c.begin(), c.end(),
                            [&](const Row& r) { return r.name == compact.largestChartName; }),
              1);
    EXPECT_GT(longBiographies, l.size() / 2);
    EXPECT_GT(uniqueInMixed, m.size() / 3);
    EXPECT_LT(uniqueInMixed, m.size() * 2 / 3);
}

}  // namespace
}  // namespace kinmora::bench
