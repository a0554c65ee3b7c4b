// The chart written as files: the PDF's text holds every name and date,
// tiles cover the chart page by page, an image has the size its resolution
// asks for, and a file that cannot be written is an error, not a success.
#include "picture/picture_writer.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>

#include "chart/chart_builder.h"
#include "chart/chart_tree.h"
#include "data/family_database.h"
#include "picture/chart_picture.h"
#include "picture/pdf_text_map.h"
#include "picture/person_facts.h"
#include "picture/picture_painter.h"
#include "support/family_files.h"
#include "support/process_runner.h"

namespace kinmora {
namespace {

// Text as a PDF reader gives it back, compared without layout spaces. The
// font draws ำ as its two parts, nikhahit before any tone mark, and the
// reader hands back those parts.
QString comparable(QString text) {
    text = text.normalized(QString::NormalizationForm_KC);
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    text.replace(QRegularExpression(QStringLiteral("([\u0E48-\u0E4B])\u0E4D")),
                 QStringLiteral("\u0E4D\\1"));
    return text;
}

QString run(const QString& program, const QStringList& arguments) {
    const testing::ProcessRun run = testing::runProcess(program, arguments);
    EXPECT_EQ(run.status, 0) << program.toStdString();
    return run.out;
}

class PictureWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_db = FamilyDatabase::open(QStringLiteral(KINMORA_SAMPLE));
        // The youngest generation's centre: the chart spans the whole family.
        ChartBuilder builder(*m_db, m_tree);
        ASSERT_EQ(builder.build(QStringLiteral("กมล"), FamilySide::Father),
                  ChartBuilder::Outcome::Built);
        m_picture.emplace(ChartPicture::layOut(m_tree, PersonFacts::load(*m_db)));
        for (const ChartPicture::Box& box : m_picture->boxes()) m_lines << box.name << box.dates;
        m_lines.removeAll(QString());
        ASSERT_GT(m_picture->boxes().size(), 20u);
    }

    testing::FamilyFiles m_files;
    std::unique_ptr<FamilyDatabase> m_db;
    ChartTree m_tree;
    std::optional<ChartPicture> m_picture;
    QStringList m_lines;  // every box's texts
};

// Whole, the chart is one page with its fonts embedded; tiled (A3 landscape
// gives one row, the sample chart is wider than one A4 page), labelled
// overlapping pages. Either way every name and date is in the text, whole.
TEST_F(PictureWriterTest, PdfIsOnePageOrTilesAndItsTextHoldsEveryBox) {
    const QString whole = m_files.path("chart.pdf");
    PictureWriter(*m_picture).writePdf(whole, {});
    EXPECT_TRUE(run(QStringLiteral("pdfinfo"), {whole})
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
    const QString fonts = run(QStringLiteral("pdffonts"), {whole});
    for (const QString& line : fonts.split(QLatin1Char('\n')).mid(2, -1))
        EXPECT_TRUE(line.isEmpty() ||
                    line.contains(QRegularExpression(QStringLiteral(" yes +(yes|no) +yes "))))
            << line.toStdString();

    const QString pdf = m_files.path("tiles.pdf");
    PictureWriter(*m_picture).writePdf(pdf, {QPageSize::A4, true});
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point);
    const QSizeF area(a4.height() - 2 * PictureWriter::kPaperMargin,
                      a4.width() - 2 * PictureWriter::kPaperMargin);
    const QSize grid = PictureWriter::tileGrid(m_picture->size(), area - QSizeF(0, 16));
    const int pages = grid.width() * grid.height();
    ASSERT_GT(pages, 1);
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))))
        << info.toStdString();
    const QString last =
        run(QStringLiteral("pdftotext"),
            {QStringLiteral("-f"), QString::number(pages), pdf, QStringLiteral("-")});
    EXPECT_TRUE(last.contains(QStringLiteral("แผ่นที่ %1 จาก %1").arg(pages))) << last.toStdString();
    for (const QString& file : {whole, pdf}) {
        const QString text =
            comparable(run(QStringLiteral("pdftotext"), {file, QStringLiteral("-")}));
        for (const ChartTree::Row& row : m_tree.rows())
            EXPECT_TRUE(text.contains(comparable(row.node->text))) << row.node->text.toStdString();
        for (const QString& line : m_lines)
            EXPECT_TRUE(text.contains(comparable(line))) << line.toStdString();
    }

    // The grid: a chart that fits is one page; each further page adds the page less the overlap.
    EXPECT_EQ(PictureWriter::tileGrid({500, 300}, {500, 300}), QSize(1, 1));
    const double step = 500 - PictureWriter::kTileOverlap;
    EXPECT_EQ(PictureWriter::tileGrid({500 + step, 300}, {500, 300}), QSize(2, 1));
    EXPECT_EQ(PictureWriter::tileGrid({500 + step + 1, 301}, {500, 300}), QSize(3, 2));
}

// Its size is the banded test's, its resolution the window's (more_menu_test).
TEST_F(PictureWriterTest, APngTooLargeToHoldIsRefusedAndLeavesNoFile) {
    const QString huge = m_files.path("huge.png");
    try {
        PictureWriter(*m_picture).writePng(huge, 2400);
        ADD_FAILURE() << "no error for a huge image";
    } catch (const PictureError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QLatin1String("too large"))) << e.what();
    }
    EXPECT_FALSE(QFile::exists(huge));
}

// The chart painted whole in one image, as a PNG at `dpi` must show it.
QImage paintedWhole(const ChartPicture& picture, int dpi) {
    const double scale = dpi / 72.0;
    QImage image(int(std::ceil(picture.size().width() * scale)),
                 int(std::ceil(picture.size().height() * scale)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    PicturePainter(picture).paint(painter);
    return image;
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
        const QImage written = QImage(png).convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(written == paintedWhole(*m_picture, dpi));
    }
}

TEST_F(PictureWriterTest, AFileThatCannotBeWrittenIsAnErrorNamingIt) {
    const PictureWriter writer(*m_picture);
    for (const std::string type : {"pdf", "svg", "png"}) {
        const QString path = m_files.path("no-such-folder/chart.") + QString::fromStdString(type);
        try {
            type == "pdf"   ? writer.writePdf(path, {})
            : type == "svg" ? writer.writeSvg(path)
                            : writer.writePng(path, 72);
            ADD_FAILURE() << "no error for " << type;
        } catch (const PictureError& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith(path)) << e.what();
        }
    }
}

TEST(PdfTextMapTest, PrivateUseMarksInCharacterMapsBecomeThaiAndNothingElseMoves) {
    QByteArray pdf =
        "stream <F70A> x\nbegincmap\n<0001> <0003> [<0E0D> <F70A> <F70E>]\n<F7FF> <F70B\n"
        "endcmap\n<F70A>";
    const qsizetype size = pdf.size();
    EXPECT_EQ(restoreThaiText(pdf), 2);
    EXPECT_EQ(pdf.size(), size);
    EXPECT_EQ(pdf,
              QByteArray(
                  "stream <F70A> x\nbegincmap\n<0001> <0003> [<0E0D> <0E48> <0E4C>]\n<F7FF> <F70B\n"
                  "endcmap\n<F70A>"));
}

}  // namespace
}  // namespace kinmora
