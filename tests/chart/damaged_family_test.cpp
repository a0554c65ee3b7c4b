// Families that break the rules a family file should keep: every chart, every
// person's particulars and every search still comes out, showing what can be shown.
#include <gtest/gtest.h>

#include "chart/chart_builder.h"
#include "chart/chart_tree.h"
#include "data/family_database.h"
#include "data/name_search.h"
#include "data/person_particulars.h"
#include "support/family_files.h"

namespace kinmora {
namespace {

const char kHeader[] =
    "code:long,name,surname,sex,born,die,still,biography,fathercode:long,mothercode:long\n";

std::string damagedFamily() {
    std::string rows =
        "1,,ไร้ชื่อ,1,,,0,,0,0\n"         // no name
        "2,เกินช่วง,,1,,,0,,70000,-5\n"  // parent codes outside any code
        "40000,รหัสใหญ่,,1,,,0,,2,0\n"   // a code above 32767
        "-3,รหัสลบ,,0,,,0,,0,0\n"       // a negative code
        "10,วน,,1,,,0,,11,0\n"         // 10 and 11 are each other's father
        "11,วนกลับ,,1,,,0,,10,0\n"
        "20,ซ้ำหนึ่ง,,1,1950-01-01,,0,,0,0\n"  // two persons share code 20
        "20,ซ้ำสอง,,0,1951-01-01,,0,,0,0\n"
        "21,ลูกของยี่สิบ,,0,1980-01-01,,0,,20,20\n"
        "30,แต่งกับใคร,,1,,,0,,0,0\n"
        "0,รหัสศูนย์,,1,,,0,,0,0\n";
    std::string bio(1'000'000, 'x');
    for (std::size_t i = 0; i < bio.size(); i += 100) bio[i] = '\n';
    rows += "50,ประวัติยาว,,0,,,0,\"" + bio + "\",0,0\n";
    return rows;
}

class DamagedFamilyTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString path = m_files.writeTables(
            "damaged.mdb",
            {{"family", kHeader + damagedFamily()},
             {"married", "fathercode,mothercode,wedding:long\n30,999,1\n,,2\n20,20,3\n"}});
        m_db = FamilyDatabase::open(path);
    }
    QStringList names() {
        QStringList out;
        RecordSet& rs = m_db->rs_family();
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            out << rs.field(QStringLiteral("name")).toText();
        return out;
    }
    testing::FamilyFiles m_files;
    std::unique_ptr<FamilyDatabase> m_db;
};

TEST_F(DamagedFamilyTest, EveryPersonsChartParticularsAndSearchComeOut) {
    for (const QString& name : names()) {
        for (FamilySide side : {FamilySide::Father, FamilySide::Mother}) {
            ChartTree tree;
            ChartBuilder builder(*m_db, tree);
            EXPECT_NO_THROW(builder.calac(name, side)) << name.toStdString();
            EXPECT_FALSE(tree.isBusy());
        }
        EXPECT_NO_THROW(loadParticulars(m_db->rs_family(), name, QDateTime::currentDateTime()))
            << name.toStdString();
    }
    EXPECT_FALSE(search_hits(m_db->rs_family(), QStringLiteral("วน")).isEmpty());
}

TEST_F(DamagedFamilyTest, ACycleOfParentsEndsAtTheChartsReach) {
    ChartTree tree;
    ChartBuilder(*m_db, tree).calac(QStringLiteral("วน"), FamilySide::Father);
    // 11 is 10's father and 10 is 11's: each generation repeats the pair, and
    // the chart stops four generations below the top.
    EXPECT_LE(tree.size(), 1 + 5 * 2);
    EXPECT_EQ(tree.node(QStringLiteral("Root"))->text, QStringLiteral("upper"));
}

TEST_F(DamagedFamilyTest, APersonCodedZeroIsNotEveryOrphansParent) {
    ChartTree tree;
    ChartBuilder(*m_db, tree).calac(QStringLiteral("รหัสศูนย์"), FamilySide::Father);
    EXPECT_EQ(tree.size(), 2);  // the root and the person: 0 stands for nobody
}

TEST_F(DamagedFamilyTest, AMegabyteBiographyReadsWhole) {
    const auto person = loadParticulars(m_db->rs_family(), QStringLiteral("ประวัติยาว"),
                                        QDateTime::currentDateTime());
    ASSERT_TRUE(person.has_value());
    EXPECT_EQ(person->biography.size(), 1'000'001);
}

}  // namespace
}  // namespace kinmora
