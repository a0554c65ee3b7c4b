// The chart laid out as a picture, on generated families: every chart node
// drawn once and in order, no boxes overlapping, each couple centred over
// its children and joined to them by lines; and what a box says.
#include "picture/chart_picture.h"

#include <gtest/gtest.h>

#include <map>

#include "chart/chart_builder.h"
#include "chart/chart_tree.h"
#include "data/family_database.h"
#include "family_generator.h"
#include "picture/person_facts.h"
#include "support/family_files.h"

namespace kinmora {
namespace {

constexpr double kEps = 1e-6;

class ChartPictureTest : public ::testing::Test {
protected:
    ChartPicture draw(const QString& name, FamilySide side) {
        ChartBuilder builder(*m_db, m_tree);
        EXPECT_EQ(builder.build(name, side), ChartBuilder::Outcome::Built) << name.toStdString();
        return ChartPicture::layOut(m_tree, PersonFacts::load(*m_db));
    }

    testing::FamilyFiles m_files;
    std::unique_ptr<FamilyDatabase> m_db;
    ChartTree m_tree;
};

// The boxes of a person's unit: the person's, then those of the nodes under it.
std::vector<const ChartPicture::Box*> unitOf(
    const ChartTree& tree, const QString& person,
    const std::map<QString, const ChartPicture::Box*>& boxes) {
    std::vector<const ChartPicture::Box*> unit{boxes.at(person)};
    for (const QString& partner : tree.childKeys(person)) unit.push_back(boxes.at(partner));
    return unit;
}

double centreOf(const std::vector<const ChartPicture::Box*>& unit) {
    return (unit.front()->rect.left() + unit.back()->rect.right()) / 2;
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
            if (row.node->image.endsWith(QLatin1String("male"))) persons << row.node->text;
        names << persons[1] << persons[persons.size() / 2] << persons.back();
        for (const QString& name : names)
            for (FamilySide side : {FamilySide::Father, FamilySide::Mother}) {
                SCOPED_TRACE(::testing::Message() << "seed " << seed << ", " << name.toStdString()
                                                  << ", side " << int(side));
                const ChartPicture picture = draw(name, side);
                ++charts;

                // Every node but the root is drawn once, in the chart's order.
                const std::vector<ChartTree::Row> rows = m_tree.rows();
                ASSERT_EQ(picture.boxes().size() + 1, rows.size());
                EXPECT_EQ(picture.title(), rows[0].node->text);
                std::map<QString, const ChartPicture::Box*> byKey;
                std::map<int, std::vector<const ChartPicture::Box*>> generations;
                for (std::size_t i = 0; i < picture.boxes().size(); ++i) {
                    const ChartPicture::Box& box = picture.boxes()[i];
                    ASSERT_EQ(box.key, rows[i + 1].node->key);
                    byKey[box.key] = &box;
                    generations[box.generation].push_back(&box);
                    EXPECT_TRUE(QRectF(QPointF(0, 0), picture.size()).contains(box.rect));
                }

                // Within a generation boxes run left to right in chart order, apart.
                double previousBottom = 0;
                for (const auto& [generation, row] : generations) {
                    for (std::size_t i = 1; i < row.size(); ++i)
                        ASSERT_LT(row[i - 1]->rect.right(), row[i]->rect.left())
                            << row[i - 1]->key.toStdString() << " " << row[i]->key.toStdString();
                    EXPECT_GT(row.front()->rect.top(), previousBottom);
                    previousBottom = row.front()->rect.bottom();
                }

                for (const ChartTree::Row& row : rows) {
                    const QString& key = row.node->key;
                    const ChartNode& node = *row.node;
                    if (node.parentKey.isEmpty() ||
                        byKey.at(key)->kind != ChartPicture::BoxKind::Person)
                        continue;
                    // A couple's unit is centred over its first and last child.
                    std::vector<QString> children;
                    for (const QString& partner : m_tree.childKeys(key))
                        for (const QString& child : m_tree.childKeys(partner))
                            children.push_back(child);
                    const auto unit = unitOf(m_tree, key, byKey);
                    if (!children.empty()) {
                        const double first = centreOf(unitOf(m_tree, children.front(), byKey));
                        const double last = centreOf(unitOf(m_tree, children.back(), byKey));
                        ASSERT_NEAR(centreOf(unit), (first + last) / 2, kEps) << key.toStdString();
                    }
                    // A person under a couple has a line reaching the top of the box.
                    if (node.parentKey != QLatin1String("Root") ||
                        rows[0].node->image == QLatin1String("upper")) {
                        const QRectF& r = byKey.at(key)->rect;
                        const bool reached = std::any_of(
                            picture.lines().begin(), picture.lines().end(), [&](const QLineF& l) {
                                return l.x1() == l.x2() &&
                                       std::abs(std::max(l.y1(), l.y2()) - r.top()) < kEps &&
                                       l.x1() > r.left() && l.x1() < r.right();
                            });
                        EXPECT_TRUE(reached) << key.toStdString();
                    }
                }
            }
    }
    EXPECT_EQ(charts, 24);
}

TEST_F(ChartPictureTest, BoxesShowTheirOwnPersonsParticularsAndTheChartsMarks) {
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
    EXPECT_EQ(picture.title(), QStringLiteral("no upper"));
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
}

TEST_F(ChartPictureTest, BoxesLeaveRoomForThaiMarksAboveAndBelow) {
    m_db = FamilyDatabase::open(m_files.write("family.mdb", "1,ญึ่ง,ปู่ทวด,1,1900-01-02,,0,,0,0\n"));
    const ChartPicture picture = draw(QStringLiteral("ญึ่ง"), FamilySide::Father);
    const ChartPicture::Box& box = picture.boxes().front();
    QFontMetricsF metrics(picture.font());
    const QRectF ink = metrics.tightBoundingRect(box.name);
    // The marks over ญึ่ and under ปู่ stay inside the box, and the text within its width.
    EXPECT_GE(picture.nameBaseline() + ink.top(), 0);
    EXPECT_LE(picture.nameBaseline() + ink.bottom(), picture.datesBaseline());
    EXPECT_LE(box.nameWidth, box.rect.width());
    EXPECT_GE(metrics.horizontalAdvance(box.name), box.nameWidth * 0.95);
}

}  // namespace
}  // namespace kinmora
