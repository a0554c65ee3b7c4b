// The Search command's walk over the person record set: which lines it lists, in what order.
#include "data/name_search.h"

#include <gtest/gtest.h>

#include "data/family_database.h"
#include "support/family_files.h"

namespace kinmora {
namespace {

const QString kGap(10, QLatin1Char(' '));

// code,name,surname,sex,born,die,still,biography,fathercode,mothercode
const char kFamily[] =
    "1,ขวัญ,ใจดี,0,,,0,,0,0\n"
    "2,กมล,ศรีสุข,1,,,0,,0,0\n"
    "3,Somchai,Jaidee,1,,,0,,0,0\n"
    "4,คำ,,1,,,0,,0,0\n"
    "5,,ไร้ชื่อใจดี,1,,,0,,0,0\n"
    "6,จันทร์ใจ,ดีมาก,0,,,0,,0,0\n";

class SearchHitsTest : public ::testing::Test {
protected:
    void SetUp() override { m_db = FamilyDatabase::open(m_files.write("family.mdb", kFamily)); }
    QStringList hits(const QString& search) { return search_hits(m_db->rs_family(), search); }

    testing::FamilyFiles m_files;
    std::unique_ptr<FamilyDatabase> m_db;
};

TEST_F(SearchHitsTest, ListsHitsInRecordSetOrderAndEndsPastTheLast) {
    // The order of rs_family, as its own walk gives it.
    QStringList expected;
    RecordSet& rs = m_db->rs_family();
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        const QString line =
            hit_line(rs.field(QStringLiteral("name")), rs.field(QStringLiteral("surname")));
        if (line.contains(QStringLiteral("ใจ"))) expected.append(line);
    }
    rs.moveFirst();
    const QStringList found = hits(QStringLiteral("ใจ"));
    EXPECT_EQ(found, expected);
    EXPECT_EQ(found.size(), 3);
    EXPECT_TRUE(rs.eof());
    // Thai order puts ข before จ.
    EXPECT_LT(found.indexOf(QStringLiteral("ขวัญ") + kGap + QStringLiteral("ใจดี")),
              found.indexOf(QStringLiteral("จันทร์ใจ") + kGap + QStringLiteral("ดีมาก")));
}

TEST_F(SearchHitsTest, ANullPartIsEmptyTextAroundTheGap) {
    EXPECT_EQ(hits(QStringLiteral("ไร้ชื่อ")), QStringList{kGap + QStringLiteral("ไร้ชื่อใจดี")});
    EXPECT_EQ(hits(QStringLiteral("คำ")), QStringList{QStringLiteral("คำ") + kGap});
}

TEST_F(SearchHitsTest, ContainmentIsExactAndCaseSensitive) {
    EXPECT_EQ(hits(QStringLiteral("Somchai") + kGap + QStringLiteral("Jaidee")).size(), 1);
    EXPECT_TRUE(hits(QStringLiteral("somchai")).isEmpty());
    EXPECT_TRUE(hits(QStringLiteral("chai Jai")).isEmpty());  // the gap is ten spaces
}

TEST_F(SearchHitsTest, EveryPersonAtMostOnceAndNoneWhenNothingMatches) {
    EXPECT_EQ(hits(kGap).size(), 6);
    EXPECT_TRUE(hits(QStringLiteral("ไม่มีใคร")).isEmpty());
    EXPECT_TRUE(m_db->rs_family().eof());
}

}  // namespace
}  // namespace kinmora
