// Kinship terms on families read from real family files: every blood
// distance, both sides, both sexes, known and unknown birth order, half
// brothers and sisters, in-laws and longer chains; and the relation sentence
// as a Thai reader expects it, with spaces only inside the names.
#include "kinship/kinship_terms.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "data/family_database.h"
#include "data/family_queries.h"
#include "kinship/family_graph.h"
#include "kinship/relation_sentence.h"
#include "support/family_files.h"

namespace kinmora {
namespace {

// Ego (43) with forebears five generations up on the father's side and
// three on the mother's, their brothers, sisters and descendants, Ego's
// brothers and sisters (full, half, of unknown birth, a twin), the in-laws
// and a stranger. A name spells the way from Ego (FOB: father's older
// brother; FYSH: father's younger sister's husband; U: of unknown birth;
// C: child; P3: the third forebear up).
const char kPeople[] = R"(
1 P5 m 1800 0 0 | 2 P4 m 1830 1 0 | 3 P3 m 1860 2 0 | 4 P3B m 1862 2 0 | 5 P3BC f 1890 4 0
6 P3BCC m 1920 0 5 | 7 P3BCCC f 1950 6 0 | 8 P3BCCCC m 1975 0 7 | 9 FF m 1890 3 0
10 FM f 1895 0 0 | 11 FFB m 1892 3 0 | 12 FFS f 1893 3 0 | 13 FC m 1940 11 0
14 FCC f 1965 13 0 | 15 FCCC m 1990 0 14 | 16 FCCCC f 2015 15 0 | 17 F m 1935 9 10
18 FOB m 1930 9 10 | 19 FYS f 1940 9 10 | 20 FUB m - 9 10 | 21 FUS f - 9 10
22 FOBW f 1932 0 0 | 23 FYSH m 1938 0 0 | 24 FUBW f - 0 0 | 25 FOBS m 1955 18 22
26 FYSD f 1962 23 19 | 27 CC m 1985 25 26 | 28 CCC f 2010 27 0 | 29 CCCC m 2030 0 28
30 MF m 1905 33 0 | 31 MM f 1908 0 0 | 32 MFS f 1907 33 0 | 33 MFF m 1880 0 0
34 M f 1938 30 31 | 35 MOS f 1936 30 31 | 36 MYB m 1942 30 31 | 37 MUB m - 30 31
38 MUS f - 30 31 | 39 MOSH m 1934 0 0 | 40 MYBW f 1945 0 0 | 41 MUSH m - 0 0
42 MOSD f 1956 39 35 | 43 Ego m 1960 17 34 | 44 EB m 1957 17 34 | 45 OS f 1958 17 34
46 YS f 1965 17 34 | 47 US m - 17 34 | 48 YB m 1967 17 34 | 49 USis f - 17 34
50 F2 m 1930 0 0 | 51 HB m 1962 50 34 | 52 M2 f 1940 0 0 | 53 HS f 1963 17 52
54 HU m - 0 34 | 55 OSH m 1955 0 0 | 56 YSH m 1964 0 0 | 57 USW f - 0 0 | 58 HBW f 1963 0 0
59 Wife f 1962 60 61 | 60 WF m 1935 0 0 | 61 WM f 1937 0 0 | 62 WB m 1958 60 61
63 WS f 1966 60 61 | 64 WBW f 1960 0 0 | 65 WifeEx m 1955 0 0 | 66 WifeKid f 1982 65 59
67 Lover f 1963 0 0 | 68 Son m 1988 43 59 | 69 Daughter f 1990 43 67 | 70 GS m 2010 68 0
71 GGC f 2030 0 70 | 72 GGGC m 2050 0 71 | 73 GGGGC f 2070 72 0 | 74 SonW f 1990 0 0
75 EBC m 1980 44 42 | 76 EBCW f 1982 0 0 | 77 EBCC f 2005 75 76 | 78 EBCCC m 2025 0 77
79 EBCCCC f 2045 78 0 | 80 YSD f 1990 56 46 | 81 YSDH m 1988 0 0 | 82 Stranger m 1970 0 0
83 Twin m 1960 17 34
)";

// Husband, wife, order. FOBS and FYSD are cousins; EB married his cousin MOSD.
const char kMarriages[] =
    "18,22,1\n23,19,1\n20,24,1\n25,26,1\n39,35,1\n36,40,1\n41,38,1\n17,34,1\n50,34,2\n"
    "17,52,2\n44,42,1\n55,45,1\n56,46,1\n47,57,1\n51,58,1\n60,61,1\n43,59,1\n65,59,0\n"
    "62,64,1\n68,74,1\n75,76,1\n81,80,1\n9,10,1\n30,31,1\n";

// Cases apart by "|" or line breaks, each "A B term": what B is to A ("-" for no term).
void expectTerms(const char* cases) {
    struct Family {  // read once for every test
        testing::FamilyFiles files;
        std::unique_ptr<FamilyDatabase> database = FamilyDatabase::open(
            files.write("family.mdb", testing::personRows(kPeople), kMarriages));
        FamilyGraph graph = FamilyGraph::read(*database);
    };
    static Family family;
    const KinshipTerms terms(family.graph);
    for (const QString& c : QString::fromUtf8(cases).split(QRegularExpression("[|\n]"))) {
        const QStringList words = c.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty()) continue;
        ASSERT_EQ(words.size(), 3) << c.toStdString();
        const auto a = family.graph.named(family.database->persons(), words[0]);
        const auto b = family.graph.named(family.database->persons(), words[1]);
        ASSERT_TRUE(a && b) << c.toStdString();
        EXPECT_EQ(terms.term(*a, *b), words[2] == "-" ? QString() : words[2]) << c.toStdString();
    }
}

TEST(KinshipTermsTest, StraightLineUpAndDownOnBothSides) {
    expectTerms(R"(Ego Ego ตัวเอง | Ego F พ่อ | Ego M แม่ | Ego FF ปู่ | Ego FM ย่า | Ego MF ตา
        Ego MM ยาย | Ego P3 ทวด | Ego P4 เทียด | Ego P5 ญาติ | Ego Son ลูกชาย | Ego Daughter ลูกสาว
        Ego GS หลานชาย | F Daughter หลานสาว | Ego GGC เหลน | Ego GGGC ลื่อ | Ego GGGGC ญาติ
        Son Ego พ่อ | CC FOB ปู่ | CC FYS ยาย)");
}

// Twin is born the same day as Ego; HU's father is unknown.
TEST(KinshipTermsTest, BrothersAndSistersByBirthOrderAndSharedParents) {
    expectTerms(R"(Ego EB พี่ชาย | Ego OS พี่สาว | Ego YB น้องชาย | Ego YS น้องสาว
        Ego US พี่ชายหรือน้องชาย | Ego USis พี่สาวหรือน้องสาว | Ego Twin พี่ชายหรือน้องชาย
        Ego HB น้องชายต่างพ่อ | Ego HS น้องสาวต่างแม่ | Ego HU พี่ชายหรือน้องชายต่างพ่อ)");
}

// FC is the father's cousin, younger than he. CC, the child of cousins who
// married, reaches FF through both parents: the father's side counts, and Ego
// is younger than CC's father (older than the mother). A spouse comes before
// blood, and blood before "brother's wife".
TEST(KinshipTermsTest, UnclesAuntsCousinsWhoMarriedAndNephewsOnBothSides) {
    expectTerms(R"(Ego FOB ลุง | Ego FYS อา | Ego FUB ลุงหรืออา | Ego FUS ป้าหรืออา | Ego MOS ป้า
        Ego MYB น้า | Ego MUB ลุงหรือน้า | Ego MUS ป้าหรือน้า | MOSD M น้า | Ego FC อา | Ego P3BCC ลุง
        Ego FFB ปู่ | Ego MFS ยาย | Ego P3BC ย่า | Ego P3B ทวด | Ego FOBS ลูกพี่ลูกน้อง
        Ego P3BCCC ลูกพี่ลูกน้อง | Ego EBC หลานชาย | Ego EBCC หลานสาว | Ego EBCCC เหลน
        Ego CC หลานชาย | Ego CCC หลานสาว | Ego FCCC หลานชาย | Ego EBCCCC ญาติ | Ego CCCC ญาติ
        Ego FCCCC ญาติ | Ego P3BCCCC ญาติ
        FOBS FYSD ภรรยา | CC FF ทวด | CC Ego อา | Ego MOSD ลูกพี่ลูกน้อง | EB MOSD ภรรยา)");
}

// HS is no ต่างแม่ to Wife. Son and WifeKid are both Wife's children; Lover has
// a child with Ego, never married.
TEST(KinshipTermsTest, RelationsByMarriageInTheirOrderLongerChainsAndStrangers) {
    expectTerms(R"(Ego Wife ภรรยา | Wife Ego สามี | Ego F2 พ่อเลี้ยง | Ego M2 แม่เลี้ยง
        F2 Ego ลูกเลี้ยง | Ego WifeKid ลูกเลี้ยง | Ego WF พ่อตา | Ego WM แม่ยาย | Wife F พ่อสามี
        Wife M แม่สามี | F Wife ลูกสะใภ้ | WF Ego ลูกเขย | Ego OSH พี่เขย | Ego YSH น้องเขย
        US YSH พี่เขยหรือน้องเขย | YS HBW พี่สะใภ้ | Ego HBW น้องสะใภ้ | Ego USW พี่สะใภ้หรือน้องสะใภ้
        Ego WB พี่ชายของภรรยา | Ego WS น้องสาวของภรรยา | Wife EB พี่ชายของสามี
        Wife US พี่ชายหรือน้องชายของสามี | Wife HS น้องสาวของสามี | Ego FOBW ป้า | Ego FYSH อา
        Ego FUBW ป้าหรืออา | Ego MOSH ลุง | Ego MYBW น้า | Ego MUSH ลุงหรือน้า | Ego EBCW หลานสะใภ้
        Ego YSDH หลานเขย
        Ego WBW ญาติทางการแต่งงาน | Ego WifeEx ญาติ | Ego Lover ญาติ | Ego Stranger -)");
}

// Rows that break the file's rules: a code used twice names nobody, a
// parent code may name nobody, a damaged file may make a loop, and a
// married row may name one person twice.
TEST(KinshipGraphTest, DamagedRowsAreReadAsFarAsTheyMakeSense) {
    testing::FamilyFiles files;
    const auto database = FamilyDatabase::open(files.write(
        "damaged.mdb",
        testing::personRows("1 Anna f - 0 0 | 2 Twice m - 0 0 | 2 Again m - 0 0 | 3 Child m - 2 1"
                            "| 4 Lost m - 999 1 | 5 Loop m - 6 0 | 6 Pool m - 5 0 | 0 Zero m - 0 0"
                            "| 7 anna f - 0 0"),
        "3,3,1\n4,999,1\n"));
    RecordSet& rs = database->persons();
    rs.findFirst(criteria::codeEquals(4));
    const FamilyGraph graph = FamilyGraph::read(*database);
    EXPECT_EQ(rs.field(QStringLiteral("name")).toText(), QStringLiteral("Lost"));  // not moved
    for (const char* nobody : {"Twice", "Zero", "Nobody"})
        EXPECT_FALSE(graph.named(rs, QString::fromUtf8(nobody))) << nobody;
    EXPECT_FALSE(graph.withCode(2) || graph.withCode(999));
    // The first in name order, letter case ignored, as the chart finds a name.
    ASSERT_TRUE(graph.named(rs, QStringLiteral("ANNA")));
    EXPECT_EQ(graph.code(*graph.named(rs, QStringLiteral("ANNA"))), 1);

    const KinshipTerms terms(graph);
    const auto term = [&](std::int64_t a, std::int64_t b) {
        return terms.term(*graph.withCode(a), *graph.withCode(b));
    };
    EXPECT_EQ(term(3, 1), QStringLiteral("แม่"));
    // Neither father is a person, so only the mother is shared.
    EXPECT_EQ(term(3, 4), QStringLiteral("พี่ชายหรือน้องชายต่างพ่อ"));
    EXPECT_EQ(term(3, 3), QStringLiteral("ตัวเอง"));  // married to himself
    EXPECT_TRUE(graph.spouses(*graph.withCode(3)).empty());
    // Each is the other's father: the nearer way up is the shorter one from A.
    EXPECT_EQ(term(5, 6), QStringLiteral("ลูกชาย"));
    EXPECT_EQ(term(6, 5), QStringLiteral("ลูกชาย"));
    EXPECT_EQ(term(1, 7), QString());
}

// Sentences of their own for one person asked twice and for persons no
// chain of links joins.
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
