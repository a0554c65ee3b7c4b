// The chart laid out as a picture, on generated families: every chart node
// drawn once and in order, no boxes overlapping, each couple centred over
// its children and joined to them by lines; what a box says; and the tidy
// placement where its exact answer is known: subtrees as close as their
// contours allow, small ones spread evenly between big ones.
#include "picture/chart_picture.h"

#include <gtest/gtest.h>

#include <map>

#include "chart/chart_builder.h"
#include "chart/chart_tree.h"
#include "data/family_database.h"
#include "family_generator.h"
#include "picture/person_facts.h"
#include "picture/tidy_tree.h"
#include "support/family_files.h"

namespace kinmora {
namespace {

constexpr double kEps = 1e-6;

class ChartPictureTest : public ::testing::Test {
protected:
    ChartPicture draw(const QString& name, FamilySide side) {
        ChartBuilder builder(*m_db, m_tree);
        EXPECT_EQ(builder.build(name, side), ChartBuilder::Outcome::Built) << name.toStdString();
        return ChartPicture::layOut(m_tree, PersonFacts::load(*m_db), {side, QDate(2026, 12, 7)});
    }

    testing::FamilyFiles m_files;
    std::unique_ptr<FamilyDatabase> m_db;
    ChartTree m_tree;
};

// Every node but the root drawn once, in the chart's order, below a heading
// that names the side; within a generation boxes run left to right, apart;
// a couple's unit centred over its first and last child, and a line reaching
// down to each person under a couple.
void expectTidy(const ChartTree& tree, const ChartPicture& picture, FamilySide side) {
    const std::vector<ChartTree::Row> rows = tree.rows();
    ASSERT_EQ(picture.boxes().size() + 1, rows.size());
    EXPECT_TRUE(picture.title().endsWith(side == FamilySide::Father ? QStringLiteral("ฝ่ายบิดา")
                                                                    : QStringLiteral("ฝ่ายมารดา")));
    EXPECT_LE(picture.heading().rect().right(), picture.size().width());
    std::map<QString, const ChartPicture::Box*> byKey;
    std::map<int, std::vector<const ChartPicture::Box*>> generations;
    for (std::size_t i = 0; i < picture.boxes().size(); ++i) {
        const ChartPicture::Box& box = picture.boxes()[i];
        ASSERT_EQ(box.key, rows[i + 1].node->key);
        byKey[box.key] = &box;
        generations[box.generation].push_back(&box);
        EXPECT_TRUE(QRectF(QPointF(0, 0), picture.size()).contains(box.rect));
        EXPECT_GT(box.rect.top(), picture.heading().rect().bottom());
    }

    double previousBottom = 0;
    for (const auto& [generation, row] : generations) {
        for (std::size_t i = 1; i < row.size(); ++i)
            ASSERT_LT(row[i - 1]->rect.right(), row[i]->rect.left())
                << row[i - 1]->key.toStdString() << " " << row[i]->key.toStdString();
        EXPECT_GT(row.front()->rect.top(), previousBottom);
        previousBottom = row.front()->rect.bottom();
    }

    // A person's unit: the person's box, then those of the nodes under it.
    const auto centreOf = [&](const QString& person) {
        const QStringList under = tree.childKeys(person);
        return (byKey.at(person)->rect.left() +
                byKey.at(under.isEmpty() ? person : under.back())->rect.right()) /
               2;
    };
    for (const ChartTree::Row& row : rows) {
        const QString& key = row.node->key;
        if (row.node->parentKey.isEmpty() || byKey.at(key)->kind != ChartPicture::BoxKind::Person)
            continue;
        QStringList children;
        for (const QString& partner : tree.childKeys(key)) children += tree.childKeys(partner);
        if (!children.isEmpty()) {
            ASSERT_NEAR(centreOf(key), (centreOf(children.front()) + centreOf(children.back())) / 2,
                        kEps)
                << key.toStdString();
        }
        if (row.node->parentKey != QLatin1String("Root") ||
            rows[0].node->role == ChartNode::Role::RootUpper) {
            const QRectF& r = byKey.at(key)->rect;
            EXPECT_TRUE(std::any_of(picture.lines().begin(), picture.lines().end(),
                                    [&](const QLineF& l) {
                                        return l.x1() == l.x2() &&
                                               std::abs(std::max(l.y1(), l.y2()) - r.top()) <
                                                   kEps &&
                                               l.x1() > r.left() && l.x1() < r.right();
                                    }))
                << key.toStdString();
        }
    }
}

TEST_F(ChartPictureTest, GeneratedFamiliesKeepEveryInvariantOfTheTidyChart) {
    int charts = 0;
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        // Namesakes, second marriages and unknown parents abound in them.
        const bench::GeneratedFamily family = bench::generateFamily(300, seed);
        m_db = FamilyDatabase::open(
            m_files.writeTables(QStringLiteral("family%1.mdb").arg(seed),
                                {{"family", family.familyCsv}, {"married", family.marriedCsv}}));
        // The largest chart, then charts of persons found in it, near the top and at the bottom.
        QStringList names{QString::fromStdString(family.largestChartName)};
        draw(names[0], FamilySide::Father);
        QStringList persons;
        for (const ChartTree::Row& row : m_tree.rows())
            if (row.node->role == ChartNode::Role::Person) persons << row.node->text;
        names << persons[1] << persons[persons.size() / 2] << persons.back();
        for (const QString& name : names)
            for (FamilySide side : {FamilySide::Father, FamilySide::Mother}) {
                SCOPED_TRACE(::testing::Message() << "seed " << seed << ", " << name.toStdString()
                                                  << ", side " << int(side));
                expectTidy(m_tree, draw(name, side), side);
                ++charts;
            }
    }
    EXPECT_EQ(charts, 24);
}

TEST_F(ChartPictureTest, BoxesShowTheirOwnPersonsParticularsAndTheChartsMarksInRoomForThaiMarks) {
    // Two men named สมชาย, half brothers with different surnames and dates;
    // a wife whose birth is unknown; the younger's mother is unknown.
    m_db = FamilyDatabase::open(m_files.write("family.mdb",
                                              "1,ปู่ทวด,ใจดี,1,1900-01-02,1980-05-06,1,,0,0\n"
                                              "2,ญึ่ง,,0,,1990-01-01,1,,0,0\n"
                                              "3,สมชาย,ใจดี,1,1930-12-31,,0,,1,2\n"
                                              "4,สมชาย,มั่นคง,1,1950-06-15,,0,,1,0\n"
                                              "5,นิ่ม,ใจดี,0,1932-02-29,,0,,0,0\n",
                                              "1,2,1\n3,5,1\n"));
    const ChartPicture picture = draw(QStringLiteral("สมชาย"), FamilySide::Father);
    // Each box: its kind (person, spouse, unknown partner), sex, centre mark, name and dates.
    QStringList shown;
    for (const ChartPicture::Box& box : picture.boxes())
        shown << QStringLiteral("psu").at(int(box.kind)) + QString(box.male ? "m" : "f") +
                     (box.centre ? "* " : " ") + box.name + QLatin1Char('|') + box.dates;
    // The heading: whose chart (the centre's own surname), which side, no
    // forebears above, and the day in the Buddhist era.
    EXPECT_EQ(picture.title(), QStringLiteral("ผังเครือญาติของ สมชาย ใจดี · ฝ่ายบิดา"));
    EXPECT_EQ(picture.shapedTexts().text(picture.heading().noteLine().text),
              QStringLiteral("ไม่มีบรรพบุรุษเหนือผังนี้ · วาดเมื่อ 7 ธันวาคม พ.ศ. 2569"));
    // Dates in the Buddhist era; an unknown date is left out. Both namesakes are marked.
    EXPECT_EQ(shown, QStringList({
                         QStringLiteral("pm ปู่ทวด ใจดี|02/01/2443 - 06/05/2523"),
                         QStringLiteral("sf ญึ่ง|- 01/01/2533"),
                         QStringLiteral("pm* สมชาย ใจดี|31/12/2473"),
                         QStringLiteral("sf นิ่ม ใจดี|29/02/2475"),
                         QStringLiteral("uf ?|"),
                         QStringLiteral("pm* สมชาย มั่นคง|15/06/2493"),
                     }));
    const std::vector<ChartPicture::Box>& b = picture.boxes();
    // A spouse stands beside the partner, on the same row.
    EXPECT_EQ(b[1].rect.top(), b[0].rect.top());
    EXPECT_GT(b[1].rect.left(), b[0].rect.right());
    // The marks under ปู่ and over ญึ่ stay inside the box, and the text within its width.
    const QFontMetricsF metrics(picture.font());
    for (const ChartPicture::Box& box : {b[0], b[1]}) {
        const QRectF ink = metrics.tightBoundingRect(box.name);
        EXPECT_GE(picture.nameBaseline() + ink.top(), 0) << box.name.toStdString();
        EXPECT_LE(picture.nameBaseline() + ink.bottom(), picture.datesBaseline());
        EXPECT_LE(box.nameWidth, box.rect.width());
        EXPECT_GE(metrics.horizontalAdvance(box.name), box.nameWidth * 0.95);
    }
}

TEST(PictureHeadingTest, DatesInTheBuddhistEraAndALegendKeyPerLookSideBySide) {
    for (const auto& [date, text] : {std::pair{QDate(2000, 1, 1), "1 มกราคม พ.ศ. 2543"},
                                     std::pair{QDate(2024, 2, 29), "29 กุมภาพันธ์ พ.ศ. 2567"},
                                     std::pair{QDate(1957, 12, 31), "31 ธันวาคม พ.ศ. 2500"}})
        EXPECT_EQ(PictureHeading::thaiDate(date), QString::fromUtf8(text));
    QFont font(QStringLiteral("Loma"));
    font.setPixelSize(10);
    ShapedTexts texts(font);
    const PictureHeading heading(
        {QStringLiteral("ภูมิ ใจดี"), FamilySide::Mother, true, QDate(2026, 6, 1)}, font, texts,
        QPointF(24, 24));
    EXPECT_EQ(heading.title(), QStringLiteral("ผังเครือญาติของ ภูมิ ใจดี · ฝ่ายมารดา"));
    ASSERT_EQ(heading.keys().size(), 4u);
    double right = 0;
    for (const PictureHeading::Key& key : heading.keys()) {
        EXPECT_GT(key.swatch.left(), right);
        EXPECT_LT(key.swatch.right(), key.label.origin.x());
        right = key.label.origin.x() + texts.width(key.label.text);
        EXPECT_TRUE(heading.rect().contains(key.swatch));
        EXPECT_LE(right, heading.rect().right() + 1e-9);
    }
    EXPECT_GT(heading.keys().front().swatch.top(), heading.noteLine().origin.y());
}

constexpr double kSibling = 10;
constexpr double kCousin = 24;

TEST(TidyTreeTest, SubtreesArePushedTogetherAsFarAsTheirContoursAllow) {
    // Two top-level boxes, the first with a wide child row: the second box
    // sits at the least distance its own row allows, not beyond the children.
    TidyTree tree(kSibling, kCousin);
    const int a = tree.add(-1, 50);
    tree.add(a, 100);
    tree.add(a, 100);
    const int b = tree.add(-1, 50);
    tree.layOut();
    // Children centres 0 and 110 (under a at 55); b must clear a only.
    EXPECT_NEAR(tree.centreX(b) - tree.centreX(a), 50 + kSibling, kEps);
    EXPECT_NEAR(tree.extent(), 210, kEps);

    // Two leaves with a deep tree on each side: the small middle subtrees
    // spread evenly in the room the big ones leave (Walker's correction).
    TidyTree spread(kSibling, kCousin);
    const int root = spread.add(-1, 10);
    int kids[4];  // big, small, small, big
    for (int& kid : kids) kid = spread.add(root, 10);
    for (int big : {kids[0], kids[3]}) spread.add(spread.add(big, 300), 10);
    spread.layOut();
    const double step = spread.centreX(kids[1]) - spread.centreX(kids[0]);
    for (int i = 1; i < 3; ++i)
        EXPECT_NEAR(spread.centreX(kids[i + 1]) - spread.centreX(kids[i]), step, kEps);
}

}  // namespace
}  // namespace kinmora
