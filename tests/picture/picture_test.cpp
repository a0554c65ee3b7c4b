// The chart as a picture. Laid out on generated families: every chart node
// drawn once and in order, no boxes overlapping, each couple centred over its
// children and joined to them by lines; what a box says; the tidy placement
// where its exact answer is known. Written as files: the PDF's text holds
// every name and date, tiles cover the chart page by page, an image has the
// pixels of the chart, and a file that cannot be written is an error. A PNG
// written band by band is sound by itself: its chunks and zlib stream are
// checked with zlib, which checks the checksum that image readers may skip.
#include <gtest/gtest.h>
#include <zlib.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <map>

#include "chart/chart_builder.h"
#include "chart/chart_tree.h"
#include "data/family_database.h"
#include "family_generator.h"
#include "picture/chart_picture.h"
#include "picture/pdf_actual_text.h"
#include "picture/pdf_text_map.h"
#include "picture/person_facts.h"
#include "picture/picture_painter.h"
#include "picture/picture_writer.h"
#include "picture/png_rows_writer.h"
#include "picture/tidy_tree.h"
#include "support/family_files.h"
#include "support/process_runner.h"

namespace kinmora {
namespace {

constexpr double kEps = 1e-6;

class ChartPictureTest : public ::testing::Test {
protected:
    ChartPicture draw(const QString& name, FamilySide side, QDate drawn = QDate(2026, 12, 7)) {
        ChartBuilder builder(*m_db, m_tree);
        EXPECT_EQ(builder.build(name, side), ChartBuilder::Outcome::Built) << name.toStdString();
        return ChartPicture::layOut(m_tree, PersonFacts::load(*m_db), {side, drawn});
    }
    // A generated family; namesakes, second marriages and unknown parents abound in it.
    bench::GeneratedFamily openGenerated(std::uint64_t seed) {
        bench::GeneratedFamily family = bench::generateFamily(300, seed);
        m_db = FamilyDatabase::open(
            m_files.writeTables(QStringLiteral("family%1.mdb").arg(seed),
                                {{"family", family.familyCsv}, {"married", family.marriedCsv}}));
        return family;
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
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        const bench::GeneratedFamily family = openGenerated(seed);
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
            }
    }
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
    EXPECT_EQ(shown, QStringList({"pm ปู่ทวด ใจดี|02/01/2443 - 06/05/2523", "sf ญึ่ง|- 01/01/2533",
                                  "pm* สมชาย ใจดี|31/12/2473", "sf นิ่ม ใจดี|29/02/2475", "uf ?|",
                                  "pm* สมชาย มั่นคง|15/06/2493"}));
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

QString run(const QString& program, const QStringList& arguments) {
    const testing::ProcessRun run = testing::runProcess(program, arguments);
    EXPECT_EQ(run.status, 0) << program.toStdString();
    return run.out;
}

// What pdftotext reads from `pdf` given `options` (e.g. "-f", "2": from page 2 on).
QString pdfText(const QString& pdf, QStringList options = {}) {
    return run(QStringLiteral("pdftotext"), options << pdf << QStringLiteral("-"));
}

int pageCount(const QString& pdf) {
    return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)\\n"))
        .match(run(QStringLiteral("pdfinfo"), {pdf}))
        .captured(1)
        .toInt();
}

// How many pages of A4 landscape tile `picture`, below a page's label.
int a4Tiles(const ChartPicture& picture) {
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point);
    const QSize grid = PictureWriter::tileGrid(
        picture.size(),
        a4.transposed() - QSizeF(2, 2) * PictureWriter::kPaperMargin - QSizeF(0, 16));
    return grid.width() * grid.height();
}

class PictureWriterTest : public ChartPictureTest {
protected:
    void SetUp() override {
        m_db = FamilyDatabase::open(QStringLiteral(KINMORA_SAMPLE));
        // The youngest generation's centre: the chart spans the whole family.
        m_picture.emplace(draw(QStringLiteral("กมล"), FamilySide::Father));
        ASSERT_GT(m_picture->boxes().size(), 20u);
    }
    std::optional<ChartPicture> m_picture;
};

// Whole, the chart is one page with its fonts embedded; tiled (A3 landscape
// gives one row, the sample chart is wider than one A4 page), labelled
// overlapping pages. That every name and date is in the text is PdfTextTest's.
TEST_F(PictureWriterTest, PdfIsOnePageWithItsFontsOrLabelledTiles) {
    const QString whole = m_files.path("chart.pdf");
    PictureWriter(*m_picture).writePdf(whole, {});
    EXPECT_EQ(pageCount(whole), 1);
    for (const QString& line : run(QStringLiteral("pdffonts"), {whole}).split('\n').mid(2, -1))
        EXPECT_TRUE(line.isEmpty() ||
                    line.contains(QRegularExpression(QStringLiteral(" yes +(yes|no) +yes "))))
            << line.toStdString();

    const QString pdf = m_files.path("tiles.pdf");
    PictureWriter(*m_picture).writePdf(pdf, {QPageSize::A4, true});
    const int pages = a4Tiles(*m_picture);
    ASSERT_GT(pages, 1);
    EXPECT_EQ(pageCount(pdf), pages);
    const QString last = pdfText(pdf, {QStringLiteral("-f"), QString::number(pages)});
    EXPECT_TRUE(last.contains(QStringLiteral("แผ่นที่ %1 จาก %1").arg(pages))) << last.toStdString();

    // The grid: a chart that fits is one page; each further page adds the page less the overlap.
    EXPECT_EQ(PictureWriter::tileGrid({500, 300}, {500, 300}), QSize(1, 1));
    const double step = 500 - PictureWriter::kTileOverlap;
    EXPECT_EQ(PictureWriter::tileGrid({500 + step, 300}, {500, 300}), QSize(2, 1));
    EXPECT_EQ(PictureWriter::tileGrid({500 + step + 1, 301}, {500, 300}), QSize(3, 2));
}

// The heading reads in Thai on paper, and the chart fills one page, centred,
// while its names stay readable; a chart too wide for that is tiled.
TEST_F(PictureWriterTest, OnPaperTheChartIsFittedCentredAndTitledInThaiOrTiledWhenTooLarge) {
    const ChartPicture mother = draw(QStringLiteral("กมล"), FamilySide::Mother, QDate(2026, 1, 31));
    const QString pdf = m_files.path("a4.pdf");
    PictureWriter(mother).writePdf(pdf, {QPageSize::A4});
    EXPECT_EQ(pageCount(pdf), 1);
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QStringLiteral("842 x 595 pts (A4)"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("ผังเครือญาติของ กมล ศรีสุข · ฝ่ายมารดา")));
    const QStringList heading = pdfText(pdf).split(QLatin1Char('\n'));
    EXPECT_EQ(heading.mid(0, 2),
              QStringList({QStringLiteral("ผังเครือญาติของ กมล ศรีสุข · ฝ่ายมารดา"),
                           QStringLiteral("ไม่มีบรรพบุรุษเหนือผังนี้ · วาดเมื่อ 31 มกราคม พ.ศ. 2569")}));
    for (const char* key : {"ชาย", "หญิง", "คนที่ผังนี้วาดรอบ และผู้มีชื่อเดียวกัน", "คู่ครองที่ไม่รู้จัก (?)"})
        EXPECT_TRUE(heading.contains(QString::fromUtf8(key))) << key;

    // Rendered, the ink lies in the middle of the page, as far from the left
    // edge as from the right and from the top as from the bottom.
    const QString prefix = m_files.path("page");
    run(QStringLiteral("pdftoppm"), {"-r", "36", "-gray", "-singlefile", pdf, prefix});
    const QImage page(prefix + QStringLiteral(".pgm"));
    ASSERT_FALSE(page.isNull());
    QRect ink;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 200) ink |= QRect(x, y, 1, 1);
    EXPECT_NEAR(ink.left(), page.width() - 1 - ink.right(), 3);
    EXPECT_NEAR(ink.top(), page.height() - 1 - ink.bottom(), 3);
    EXPECT_GT(ink.width(), page.width() / 2);

    // Eighty children side by side would shrink the names below 6 points on A4.
    std::string rows = "1,ปู่,ใจดี,1,,,0,,0,0\n";
    for (int i = 2; i <= 81; ++i)
        rows += std::to_string(i) + ",ลูก" + std::to_string(i) + ",ใจดี,1,,,0,,1,0\n";
    m_db = FamilyDatabase::open(m_files.write("wide.mdb", rows));
    const ChartPicture large = draw(QStringLiteral("ปู่"), FamilySide::Father);
    const QString tiled = m_files.path("tiled.pdf");
    PictureWriter(large).writePdf(tiled, {QPageSize::A4});
    ASSERT_GT(a4Tiles(large), 1);
    EXPECT_EQ(pageCount(tiled), a4Tiles(large));

    // Fitting: never past twice the size, the narrower way bounding.
    EXPECT_EQ(PictureWriter::fitScale({500, 300}, {1000, 300}), 1.0);
    EXPECT_EQ(PictureWriter::fitScale({2000, 100}, {1000, 1000}), 0.5);
    EXPECT_EQ(PictureWriter::fitScale({100, 100}, {1000, 800}), PictureWriter::kMostEnlarged);
}

// Every name and date as stored, in NFC, over every Thai mark: sara am after
// plain and tall letters and under tone marks, every tone mark over low and
// tall letters and over upper vowels, every upper and lower vowel, thanthakhat,
// nikhahit and phinthu, and letters whose tail a lower vowel replaces. Then
// every box of the largest charts of generated families, whole and tiled.
using PdfTextTest = ChartPictureTest;
TEST_F(PdfTextTest, PdftotextGivesEveryNameExactlyAsStored) {
    const QStringList names =
        QStringLiteral(
            "ลำใจ ฟ้านวล น้ำฝน ก่ำ ป่ำ ปู่ทวด ญึ่ง ฎุ้ง ฐู๋ ปั้น ปี่ ปึ้ง ปื้น ปุ่ม ปู้ ปิ๊ก ปี๋ ก็ กิ์ ฝั่ง ฟื้น ฬ้ำ ญู ฎุ ฏู ฐุ "
            "รัฐฺ ศักดิ์ ฟ็อก ป๋ำ ไม้ตรี ปุ๊ ฝ๋า ป็์ก ลํา เก้า แป๊ะ โต๋ ใฝ่ ไผ่")
            .split(QLatin1Char(' '));
    std::string rows = "1,ปู่ใหญ่,ฟ้าคำ,1,1900-01-01,,0,,0,0\n";
    for (int i = 0; i < names.size(); ++i)
        rows += std::to_string(i + 2) + "," + names[i].toStdString() + ",ฝั่งน้ำ," +
                std::to_string(i % 2) + ",,,0,,1,0\n";
    m_db = FamilyDatabase::open(m_files.write("marks.mdb", rows));
    const auto check = [&](const QString& centre, FamilySide side) {
        const ChartPicture picture = draw(centre, side);
        for (const auto& [name, pages] :
             {std::pair{"whole.pdf", PictureWriter::Pages{}},
              std::pair{"tiles.pdf", PictureWriter::Pages{QPageSize::A4, true}}}) {
            const QString pdf = m_files.path(name);
            PictureWriter(picture).writePdf(pdf, pages);
            const QString text = pdfText(pdf);
            EXPECT_TRUE(text.contains(picture.title())) << name;
            for (const ChartPicture::Box& box : picture.boxes()) {
                EXPECT_TRUE(text.contains(box.name)) << name << ": " << box.name.toStdString();
                EXPECT_TRUE(text.contains(box.dates)) << name << ": " << box.dates.toStdString();
            }
        }
    };
    check(QStringLiteral("ปู่ใหญ่"), FamilySide::Father);
    for (std::uint64_t seed : {1u, 2u}) {
        const bench::GeneratedFamily family = openGenerated(seed);
        for (FamilySide side : {FamilySide::Father, FamilySide::Mother})
            check(QString::fromStdString(family.largestChartName), side);
    }
}

// A file that cannot be written is an error naming it; a PNG too large to
// hold (the banded test's size at the window's resolution, more_menu_test)
// is refused and leaves no file.
TEST_F(PictureWriterTest, FilesThatCannotBeWrittenAreErrorsAndLeaveNothing) {
    const PictureWriter writer(*m_picture);
    const auto error = [](const std::function<void()>& write) {
        try {
            write();
        } catch (const PictureError& e) {
            return QString::fromUtf8(e.what());
        }
        return QStringLiteral("no error");
    };
    const QString path = m_files.path("no-such-folder/chart.");
    EXPECT_TRUE(error([&] { writer.writePdf(path + "pdf", {}); }).startsWith(path + "pdf"));
    EXPECT_TRUE(error([&] { writer.writeSvg(path + "svg"); }).startsWith(path + "svg"));
    EXPECT_TRUE(error([&] { writer.writePng(path + "png", 72); }).startsWith(path + "png"));
    const QString huge = m_files.path("huge.png");
    const QString tooLarge = error([&] { writer.writePng(huge, 2400); });
    EXPECT_TRUE(tooLarge.contains(QLatin1String("too large"))) << tooLarge.toStdString();
    EXPECT_FALSE(QFile::exists(huge));
}

TEST_F(PictureWriterTest, PngPaintedInBandsHasThePixelsOfTheWholeChartPaintedAtOnce) {
    QImageReader::setAllocationLimit(0);
    // Bands of a few rows put band edges through many boxes and texts, with
    // Thai marks above and below the lines.
    for (const auto& [dpi, bandBytes] :
         {std::pair{150, PictureWriter::kBandBytes}, std::pair{61, 20000}, std::pair{150, 30000}}) {
        SCOPED_TRACE(::testing::Message() << dpi << " dpi, bands of " << bandBytes << " bytes");
        const QString png = m_files.path(QStringLiteral("banded.png"));
        PictureWriter(*m_picture).writePng(png, dpi, bandBytes);
        const double scale = dpi / 72.0;
        QImage whole(int(std::ceil(m_picture->size().width() * scale)),
                     int(std::ceil(m_picture->size().height() * scale)), QImage::Format_RGB32);
        whole.fill(Qt::white);
        QPainter painter(&whole);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        PicturePainter(*m_picture).paint(painter);
        painter.end();
        EXPECT_TRUE(QImage(png).convertToFormat(QImage::Format_RGB32) == whole);
    }
}

// Two glyph runs on each of two pages, written by QPdfWriter: recorded as
// painted, each run reads back as its text; recorded wrongly on a page (a
// glyph count, a run too many or too few), that page is left as written.
TEST(PdfActualTextTest, RunsReadBackAsRecordedAndAPageThatDoesNotMatchIsLeftAlone) {
    QFont font(QStringLiteral("Loma"));
    font.setPixelSize(12);
    ShapedTexts texts(font);
    const QStringList words = {"น้ำใจ", "ฟ้านวล", "ปู่ทวด", "ญึ่ง"};
    // The PDF as written and as given its runs' texts, and how many runs were
    // given. `wrong` records the first page wrongly: 1 a glyph count too many,
    // 2 a run too many at its end, 3 a run too few.
    const auto write = [&](int wrong) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(72);
        PdfActualText record;
        QPainter painter(&pdf);
        for (int page = 0; page < 2; ++page) {
            if (page > 0) {
                pdf.newPage();
                record.newPage();
                wrong = 0;
            }
            for (int i = 0; i < 2; ++i) {
                const int text = texts.add(words[page * 2 + i]);
                painter.drawGlyphRun(QPointF(20, 40 + 30 * i), texts.runs(text).front());
                const qsizetype glyphs = texts.runs(text).front().glyphIndexes().size();
                if (wrong != 3 || i == 0) record.add(glyphs + (wrong == 1), texts.text(text));
                if (wrong == 2 && i == 1) record.add(1, QStringLiteral("ก"));
            }
        }
        painter.end();
        const QByteArray written = bytes;
        const int given = record.applyTo(bytes);
        return std::tuple{given, written, bytes};
    };
    testing::FamilyFiles files;
    const auto pageText = [&](const QByteArray& pdf, int page) {
        const QString n = QString::number(page);
        return pdfText(files.writeFile("runs.pdf", pdf), {"-f", n, "-l", n})
            .remove(QLatin1Char('\f'))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    };
    const auto [given, written, mended] = write(0);
    EXPECT_EQ(given, 4);
    EXPECT_EQ(pageText(mended, 1), words.mid(0, 2));
    EXPECT_EQ(pageText(mended, 2), words.mid(2, 2));
    for (int wrong : {1, 2, 3}) {
        const auto [count, before, after] = write(wrong);
        EXPECT_EQ(count, 2) << wrong;  // the second page's runs only
        EXPECT_EQ(pageText(after, 2), words.mid(2, 2)) << wrong;
        EXPECT_EQ(pageText(after, 1), pageText(before, 1)) << wrong;
    }
}

TEST(PdfTextMapTest, PrivateUseMarksInCharacterMapsBecomeThaiAndNothingElseMoves) {
    QByteArray pdf =
        "stream <F70A> x\nbegincmap\n<0001> <0003> [<0E0D> <F70A> <F70E>]\n<F7FF> <F70B\n"
        "endcmap\n<F70A>";
    EXPECT_EQ(restoreThaiText(pdf), 2);
    EXPECT_EQ(pdf,
              QByteArray(
                  "stream <F70A> x\nbegincmap\n<0001> <0003> [<0E0D> <0E48> <0E4C>]\n<F7FF> <F70B\n"
                  "endcmap\n<F70A>"));
}

std::uint32_t bigEndian(const QByteArray& bytes, qsizetype at) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return std::uint32_t(b[0]) << 24 | std::uint32_t(b[1]) << 16 | std::uint32_t(b[2]) << 8 | b[3];
}

// The image data of `png` inflated by zlib; every chunk's checksum checked.
QByteArray inflated(const QByteArray& png, qsizetype size) {
    EXPECT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
    QByteArray data;
    for (qsizetype at = 8; at + 12 <= png.size();) {
        const qsizetype length = bigEndian(png, at);
        const QByteArray chunk = png.mid(at + 4, 4 + length);
        EXPECT_EQ(crc32(0, reinterpret_cast<const Bytef*>(chunk.constData()), uInt(chunk.size())),
                  bigEndian(png, at + 8 + length));
        if (chunk.startsWith("IDAT")) data += chunk.mid(4);
        at += 12 + length;
    }
    QByteArray rows(size + 1, '\0');
    uLongf length = uLongf(rows.size());
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(rows.data()), &length,
                         reinterpret_cast<const Bytef*>(data.constData()), uLong(data.size())),
              Z_OK);
    return rows.left(qsizetype(length));
}

TEST(PngRowsWriterTest, RunsOfAMillionPixelsKeepTheChecksumRight) {
    // Runs this long take the checksum's closed form to its largest numbers.
    // The two rows come below a spare red row, as the chart's bands do.
    QImage band(1000000, 3, QImage::Format_RGB32);
    band.fill(Qt::white);
    std::fill_n(reinterpret_cast<QRgb*>(band.scanLine(0)), band.width(), qRgb(255, 0, 0));
    band.setPixel(999998, 2, qRgb(1, 2, 3));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    PngRowsWriter png(buffer, band.width(), 2, 5906);
    png.write(band, 1, 2);
    png.finish();
    const QByteArray rows = inflated(bytes, 2 * 3000001);
    ASSERT_EQ(rows.size(), 2 * 3000001);
    EXPECT_EQ(rows.mid(3000001 + 1 + 3 * 999998, 4), QByteArray("\x01\x02\x03\xff", 4));
}

// Bands that do not fit and images cut short are the writer's callers'
// faults; each is a PictureError, so the picture writer names the file.
TEST(PngRowsWriterTest, MisfitBandsAndShortImagesAreErrors) {
    const QImage band(4, 3, QImage::Format_RGB32);
    // The first row and count of rows of `band` written into a 4 x 2 image: more rows
    // than the image, rows beyond the band, a negative first row, too few rows.
    for (const auto& [first, rows] :
         {std::pair{0, 3}, std::pair{2, 2}, std::pair{-1, 1}, std::pair{0, 1}}) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        PngRowsWriter png(buffer, 4, 2, 5906);
        EXPECT_THROW((png.write(band, first, rows), png.finish()), PictureError)
            << first << "+" << rows;
    }
    QBuffer closed;
    EXPECT_THROW(PngRowsWriter(closed, 4, 2, 5906), PictureError);
    QBuffer open;
    open.open(QIODevice::WriteOnly);
    EXPECT_THROW(PngRowsWriter(open, 0, 2, 5906), PictureError);
}

}  // namespace
}  // namespace kinmora
