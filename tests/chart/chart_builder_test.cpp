// The chart around one person, node for node, on both sides of the family; and
// families that break the rules a family file should keep, where every chart,
// every person's particulars and every search still comes out.
#include "chart/chart_builder.h"

#include <gtest/gtest.h>

#include "chart/chart_tree.h"
#include "data/family_database.h"
#include "data/name_search.h"
#include "data/person_particulars.h"
#include "support/family_files.h"

namespace kinmora {
namespace {

// A grandfather with three children; the father has a wife, two children
// with her and one whose mother is unknown.
const std::string kFamily = testing::personRows(R"(
    1 ปู่ m 1920 0 0 | 2 ย่า f 1922 0 0 | 3 พ่อ m 1950 1 2 | 4 อา f 1952 1 2 | 5 ลุง m 1948 1 2
    6 แม่ f 1955 0 0 | 7 ฉัน m 1980 3 6 | 8 น้อง f 1982 3 6 | 9 ลูกนอกสมรส m 1985 3 0)");
const char kMarriages[] = "1,2,1\n3,6,1\n";

// Records every status text and busy change; fails on the third node when
// told to, as a database error midway would.
class RecordingTree : public ChartTree {
public:
    void setStatusText(const QString& text) override {
        texts << text;
        ChartTree::setStatusText(text);
    }
    void setBusy(bool busy) override {
        busyChanges << busy;
        ChartTree::setBusy(busy);
    }
    void addNode(const ChartNode& node) override {
        if (failing && size() == 2) throw std::runtime_error("the database went away");
        ChartTree::addNode(node);
    }
    QStringList texts;
    QList<bool> busyChanges;
    bool failing = false;
};

// The chart as "depth key text type expanded" lines, in display order. The
// type is "root-upper", "root-noupper", or the role ("person", "centre" for a
// person with the centre mark, "spouse", "unknown") and sex, e.g. "spouse-f".
QStringList lines(const ChartTree& tree) {
    const char* roles[] = {"person", "spouse", "unknown", "root-upper", "root-noupper"};
    QStringList out;
    for (const ChartTree::Row& row : tree.rows()) {
        const ChartNode& node = *row.node;
        QString type =
            node.role == ChartNode::Role::Person && node.centre ? "centre" : roles[int(node.role)];
        if (node.role < ChartNode::Role::RootUpper) type += node.isMale() ? "-m" : "-f";
        out << QStringLiteral("%1 %2 %3 %4 %5")
                   .arg(row.depth)
                   .arg(node.key, node.text, type)
                   .arg(row.expanded ? 1 : 0);
    }
    return out;
}

const std::string kLongCodes =
    "code:long,name,surname,sex,born,die,still,biography,fathercode:long,mothercode:long\n";

class ChartBuilderTest : public ::testing::Test {
protected:
    // Rows of the usual columns, or whole tables when they start with their header.
    void open(const std::string& family, const std::string& married) {
        const auto table = [](const std::string& csv, const char* header) {
            return !csv.empty() && std::isalpha(static_cast<unsigned char>(csv[0])) ? csv
                                                                                    : header + csv;
        };
        m_db = FamilyDatabase::open(m_files.writeTables(
            "family.mdb", {{"family", table(family, testing::kFamilyHeader)},
                           {"married", table(married, testing::kMarriedHeader)}}));
    }
    // The chart of `centre`, father's side, as lines().
    QStringList chartOf(const std::string& family, const std::string& married, const char* centre) {
        open(family, married);
        EXPECT_EQ(build(QString::fromUtf8(centre), FamilySide::Father),
                  ChartBuilder::Outcome::Built)
            << centre;
        return lines(m_tree);
    }
    ChartBuilder::Outcome build(const QString& name, FamilySide side) {
        ChartBuilder builder(*m_db, m_tree);
        return builder.build(name, side);
    }
    testing::FamilyFiles m_files;
    std::unique_ptr<FamilyDatabase> m_db;
    RecordingTree m_tree;
};

TEST_F(ChartBuilderTest, ChartsComeOutNodeForNode) {
    // A known grandfather shows the father with his brothers and sisters.
    EXPECT_EQ(
        chartOf(kFamily, kMarriages, "ฉัน"),
        (QStringList{"0 Root upper root-upper 1", "1 M1 ลุง person-m 0", "1 M2 พ่อ person-m 1",
                     "2 M4 แม่ spouse-f 1", "3 M5 ฉัน centre-m 0", "3 M6 น้อง person-f 0",
                     "2 M7 ? unknown-f 0", "3 M8 ลูกนอกสมรส person-m 0", "1 M3 อา person-f 0"}));
    EXPECT_EQ(m_tree.lastVisible(), QStringLiteral("M5"));
    // A woman's unknown partner is a husband; marriages follow the third column.
    EXPECT_EQ(
        chartOf(testing::personRows(R"(1 แม่ f - 0 0 | 2 สามีแรก m - 0 0 | 3 สามีหลัง m - 0 0
                      4 ลูกแรก m 2000 2 1 | 5 ลูกหลัง f 2010 3 1 | 6 ลูกไม่ทราบพ่อ f 2005 0 1)"),
                "3,1,20\n2,1,10\n", "แม่"),
        (QStringList{"0 Root no upper root-noupper 1", "1 M1 แม่ centre-f 0",
                     "2 M2 สามีแรก spouse-m 0", "3 M3 ลูกแรก person-m 0", "2 M4 สามีหลัง spouse-m 0",
                     "3 M5 ลูกหลัง person-f 0", "2 M6 ? unknown-m 0", "3 M7 ลูกไม่ทราบพ่อ person-f 0"}));
    // Namesakes are both marked and made visible.
    EXPECT_EQ(chartOf(testing::personRows("1 ปู่ m - 0 0 | 2 สมชาย m 1950 1 0 | 3 ลูก m 1970 2 0"
                                          "| 4 สมชาย m 1990 3 0"),
                      "", "สมชาย"),
              (QStringList{"0 Root no upper root-noupper 1", "1 M1 ปู่ person-m 1",
                           "2 M2 ? unknown-f 1", "3 M3 สมชาย centre-m 1", "4 M4 ? unknown-f 1",
                           "5 M5 ลูก person-m 1", "6 M6 ? unknown-f 1", "7 M7 สมชาย centre-m 0"}));
    EXPECT_EQ(m_tree.lastVisible(), QStringLiteral("M7"));
    // A spouse who is nobody shows as a marker.
    EXPECT_EQ(chartOf("1,ชาย,,1,,,0,,0,0\n2,ลูก,,1,,,0,,1,99\n", "1,99,1\n", "ชาย").mid(2),
              (QStringList{"2 M2 ? unknown-f 0", "3 M3 ลูก person-m 0"}));
    // A file without sex or dates still draws its chart.
    EXPECT_EQ(chartOf("code,name,fathercode,mothercode\n1,ก,0,0\n2,ข,1,0\n",
                      "fathercode,mothercode\n", "ก"),
              (QStringList{"0 Root no upper root-noupper 1", "1 M1 ก centre-f 0",
                           "2 M2 ? unknown-m 0", "3 M3 ข person-f 0"}));
    // The chart reaches four generations below the top, with no "?" under the last.
    const QStringList chain = chartOf(testing::personRows("1 รุ่น1 m - 0 0 | 2 รุ่น2 m - 1 0 "
                                                          "| 3 รุ่น3 m - 2 0 | 4 รุ่น4 m - 3 0 "
                                                          "| 5 รุ่น5 m - 4 0 | 6 รุ่น6 m - 5 0"),
                                      "", "รุ่น1");
    EXPECT_EQ(chain.size(), 10);
    EXPECT_EQ(chain.last(), QStringLiteral("9 M9 รุ่น5 person-m 0"));
    // A couple within one generation shows its children under each of them.
    EXPECT_EQ(chartOf(testing::personRows("1 ปู่ m - 0 0 | 2 ชาย m 1950 1 0 | 3 หญิง f 1952 1 0 "
                                          "| 4 หลาน m 1975 2 3"),
                      "2,3,1\n", "ชาย")
                  .filter(QStringLiteral(" หลาน "))
                  .size(),
              2);
}

// The chart of a person without parents is kinmora-cli chart's to check.
TEST_F(ChartBuilderTest, EveryStatusTextCountsTheNodesSoFarAndAFailingBuildEndsTheBusyCursor) {
    open(kFamily, kMarriages);
    build(QStringLiteral("ปู่"), FamilySide::Father);
    ASSERT_EQ(m_tree.texts.size(), 12);
    EXPECT_EQ(m_tree.texts.first(), QStringLiteral("  โปรดรอสักครู่ ..."));
    EXPECT_EQ(m_tree.texts[1], QStringLiteral(" โปรดรอสักครู่   สร้างผังจาก < ปู่ > แล้ว 1  รายชื่อ"));
    EXPECT_EQ(m_tree.texts.last(), QStringLiteral("  รวมทั้งสิ้น 10  รายชื่อ"));
    EXPECT_EQ(m_tree.busyChanges, (QList<bool>{true, false}));

    RecordingTree tree;
    tree.failing = true;
    ChartBuilder builder(*m_db, tree);
    EXPECT_THROW(builder.build(QStringLiteral("ฉัน"), FamilySide::Father), std::runtime_error);
    EXPECT_EQ(tree.size(), 2) << "the nodes so far stay";
    EXPECT_EQ(tree.busyChanges, (QList<bool>{true, false}));
}

TEST_F(ChartBuilderTest, KeysCountPastTheSixteenBitLimit) {
    std::string family = "1,ต้นตระกูล,,1,,,0,,0,0\n";
    for (int i = 2; i <= 33002; ++i)
        family += std::to_string(i) + ",ลูก" + std::to_string(i) + ",,0,,,0,,1,0\n";
    open(kLongCodes + family, "");
    build(QStringLiteral("ต้นตระกูล"), FamilySide::Father);
    // The person, the "?" node and 33,001 children: keys run on to M33003.
    EXPECT_EQ(m_tree.size(), 33004);
    EXPECT_NE(m_tree.node(QStringLiteral("M33003")), nullptr);
    EXPECT_EQ(m_tree.statusText(), QStringLiteral("  รวมทั้งสิ้น 33003  รายชื่อ"));
}

// Rows that break a family file's rules: every person's chart, particulars
// and search still come out; a loop ends at the chart's reach; 0 is nobody's
// code; a long biography reads whole.
TEST_F(ChartBuilderTest, ADamagedFamilyStillGivesEveryChartParticularsAndSearch) {
    std::string bio(1'000'000, 'x');
    for (std::size_t i = 0; i < bio.size(); i += 100) bio[i] = '\n';
    open(kLongCodes +
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
             "0,รหัสศูนย์,,1,,,0,,0,0\n"
             "50,ประวัติยาว,,0,,,0,\"" +
             bio + "\",0,0\n",
         "30,999,1\n,,2\n20,20,3\n");
    QStringList names;
    RecordSet& rs = m_db->persons();
    for (rs.first(); !rs.atEnd(); rs.next()) names << rs.field(QStringLiteral("name")).toText();
    for (const QString& name : names) {
        for (FamilySide side : {FamilySide::Father, FamilySide::Mother}) {
            EXPECT_NO_THROW(build(name, side)) << name.toStdString();
            EXPECT_FALSE(m_tree.isBusy());
        }
        EXPECT_NO_THROW(loadParticulars(rs, name, QDateTime::currentDateTime()))
            << name.toStdString();
    }
    EXPECT_FALSE(searchHits(rs, QStringLiteral("วน")).isEmpty());

    // 11 is 10's father and 10 is 11's: each generation repeats the pair, and
    // the chart stops four generations below the top.
    build(QStringLiteral("วน"), FamilySide::Father);
    EXPECT_LE(m_tree.size(), 1 + 5 * 2);
    EXPECT_EQ(m_tree.node(QStringLiteral("Root"))->text, QStringLiteral("upper"));
    build(QStringLiteral("รหัสศูนย์"), FamilySide::Father);
    EXPECT_EQ(m_tree.size(), 2);  // the root and the person
    const auto person =
        loadParticulars(rs, QStringLiteral("ประวัติยาว"), QDateTime::currentDateTime());
    ASSERT_TRUE(person.has_value());
    EXPECT_EQ(person->biography.size(), 1'000'001);
}

}  // namespace
}  // namespace kinmora
