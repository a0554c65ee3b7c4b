// The relation sentence as a Thai reader expects it: one run of words with
// spaces only inside the names, and sentences of their own for one person
// asked twice and for persons no chain of links joins.
#include "kinship/relation_sentence.h"

#include <gtest/gtest.h>

#include "data/family_database.h"
#include "kinship/family_graph.h"
#include "support/family_files.h"

namespace kinmora {
namespace {

TEST(RelationSentenceTest, SaysWhatBIsToAWithoutSpacesBetweenWords) {
    testing::FamilyFiles files;
    // ภูมิ and มาลี have กันต์; ภูมิ and ดาว have แก้ว, younger; "สมศรี (หนู)"
    // is nobody's kin and carries a space of her own.
    const std::string rows = testing::personRows(
                                 "1 ภูมิ m 1950 0 0 | 2 มาลี f 1952 0 0 | 3 กันต์ m 1975 1 2"
                                 "| 4 ดาว f 1955 0 0 | 5 แก้ว f 1980 1 4") +
                             "6,สมศรี (หนู),ศรีสุข,0,,,0,,0,0\n";
    const auto database = FamilyDatabase::open(files.write("family.mdb", rows, "1,2,1\n1,4,2\n"));
    const FamilyGraph graph = FamilyGraph::read(*database);
    const RelationSentence sentence(graph);
    struct Case {
        std::int64_t a, b;
        const char* said;
    };
    const Case cases[] = {
        {3, 1, "ภูมิเป็นพ่อของกันต์"},
        {1, 3, "กันต์เป็นลูกชายของภูมิ"},
        {2, 1, "ภูมิเป็นสามีของมาลี"},
        {3, 5, "แก้วเป็นน้องสาวต่างแม่ของกันต์"},
        {3, 4, "ดาวเป็นแม่เลี้ยงของกันต์"},
        {3, 3, "ทั้งสองคือกันต์คนเดียวกัน"},
        {3, 6, "สมศรี (หนู)ไม่ได้เป็นญาติกับกันต์"},
        {6, 1, "ภูมิไม่ได้เป็นญาติกับสมศรี (หนู)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sentence.of(*graph.withCode(c.a), *graph.withCode(c.b)),
                  QString::fromUtf8(c.said))
            << c.a << " " << c.b;
}

}  // namespace
}  // namespace kinmora
