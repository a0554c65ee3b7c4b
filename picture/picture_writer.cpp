// Every output paints through PicturePainter in points: the painter is scaled
// from the device's resolution, so text stays text (vector) in PDF and SVG.
#include "picture/picture_writer.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "picture/pdf_actual_text.h"
#include "picture/pdf_text_map.h"
#include "picture/picture_painter.h"
#include "picture/png_rows_writer.h"

namespace kinmora {
namespace {

// A tile's label sits below its drawing, in this band.
constexpr double kLabelBand = 16;
// An image larger than this many pixels is refused: a viewer needs more than
// a gigabyte to show it.
constexpr double kMaxPixels = 256.0 * 1024 * 1024;
// So is one wider or taller than this: libpng, under most image viewers,
// refuses to read longer sides.
constexpr double kMaxSide = 1000000;
// A box's edge, its antialiasing and any mark over or under its text reach
// less than this far (points) beyond the box: a band paints what comes this
// near it.
constexpr double kReach = 12;
// No glyph of the chart's fonts (10 and 14 points) reaches further below its
// baseline than this, in points, Thai marks under the line included.
constexpr double kGlyphDescent = 8;

std::string where(const QString& path) {
    return path.toStdString() + ": ";
}

void endPainting(QPainter& painter, const QString& path) {
    if (!painter.end()) throw PictureError(where(path) + "could not be written");
}

}  // namespace

QSize PictureWriter::tileGrid(QSizeF chart, QSizeF page) {
    auto count = [](double whole, double part) {
        const double step = part - kTileOverlap;
        if (whole <= part || step <= 0) return 1;
        return 1 + static_cast<int>(std::ceil((whole - part) / step));
    };
    return QSize(count(chart.width(), page.width()), count(chart.height(), page.height()));
}

double PictureWriter::fitScale(QSizeF chart, QSizeF page) {
    return std::min({kMostEnlarged, page.width() / chart.width(), page.height() / chart.height()});
}

void PictureWriter::paintPages(QPagedPaintDevice& device, bool tiles, PdfActualText* record) const {
    QPainter painter;
    if (!painter.begin(&device)) throw PictureError("the pages could not be started");
    const double scale = device.logicalDpiX() / 72.0;
    const QSizeF paper = device.pageLayout().paintRectPoints().size();
    PicturePainter chart(m_picture);
    chart.recordTo(record);
    const QSizeF size = m_picture.size();

    const double fit = fitScale(size, paper);
    if (!tiles && fit * m_picture.font().pixelSize() >= kSmallestText) {
        painter.scale(scale, scale);
        painter.translate((paper.width() - size.width() * fit) / 2,
                          (paper.height() - size.height() * fit) / 2);
        painter.scale(fit, fit);
        chart.paint(painter);
        painter.end();
        return;
    }

    const QSizeF area(paper.width(), paper.height() - kLabelBand);
    const QSize grid = tileGrid(size, area);
    const int pages = grid.width() * grid.height();
    QFont labelFont = m_picture.font();
    labelFont.setPixelSize(8);
    ShapedTexts labels(labelFont);
    for (int row = 0; row < grid.height(); ++row)
        for (int column = 0; column < grid.width(); ++column) {
            const int page = row * grid.width() + column + 1;
            if (page > 1) {
                if (!device.newPage()) throw PictureError("a new page could not be started");
                if (record) record->newPage();
            }
            painter.resetTransform();
            painter.scale(scale, scale);
            const QPointF origin(column * (area.width() - kTileOverlap),
                                 row * (area.height() - kTileOverlap));
            painter.save();
            painter.setClipRect(QRectF(QPointF(0, 0), area));
            painter.translate(-origin);
            chart.paint(painter, QRectF(origin, area));
            painter.restore();
            painter.setFont(labelFont);
            painter.setPen(Qt::darkGray);
            const int label = labels.add(QStringLiteral("แผ่นที่ %1 จาก %2   แถว %3 คอลัมน์ %4   "
                                                        "ขอบซ้อนกับแผ่นข้างเคียง 1 ซม.")
                                             .arg(page)
                                             .arg(pages)
                                             .arg(row + 1)
                                             .arg(column + 1));
            chart.paintText(painter,
                            QPointF((area.width() - labels.width(label)) / 2,
                                    area.height() + (kLabelBand + labels.ascent()) / 2),
                            labels, label);
        }
    painter.end();
}

void PictureWriter::writePdf(const QString& path, const Pages& pages) const {
    // Written in memory first: its text maps are mended before the file exists.
    QByteArray bytes;
    // Room for the whole file up front: growing it a write at a time costs
    // more than drawing a large chart.
    bytes.reserve(static_cast<qsizetype>(m_picture.boxes().size()) * 600 + 200000);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("Kinmora"));
    pdf.setTitle(m_picture.title());
    if (pages.paper) {
        const QPageSize paper(*pages.paper);
        const bool wide = m_picture.size().width() > m_picture.size().height();
        pdf.setPageLayout(QPageLayout(
            paper, wide ? QPageLayout::Landscape : QPageLayout::Portrait,
            QMarginsF(kPaperMargin, kPaperMargin, kPaperMargin, kPaperMargin), QPageLayout::Point));
    } else {
        pdf.setPageLayout(QPageLayout(
            QPageSize(m_picture.size(), QPageSize::Point, QString(), QPageSize::ExactMatch),
            QPageLayout::Portrait, QMarginsF()));
    }
    PdfActualText text;
    try {
        paintPages(pdf, pages.tiles, &text);
    } catch (const PictureError& e) {
        throw PictureError(where(path) + e.what());
    }
    buffer.close();
    restoreThaiText(bytes);
    text.applyTo(bytes);
    // A file that cannot be finished is never left half written.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw PictureError(where(path) + file.errorString().toStdString());
}

void PictureWriter::writeSvg(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw PictureError(where(path) + file.errorString().toStdString());
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setResolution(72);
    svg.setSize(m_picture.size().toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), m_picture.size()));
    svg.setTitle(m_picture.title());
    QPainter painter;
    if (!painter.begin(&svg)) throw PictureError(where(path) + "could not be written");
    // SVG keeps text as characters only when it is given characters.
    PicturePainter(m_picture, false).paint(painter);
    endPainting(painter, path);
    if (!file.flush() || file.error() != QFile::NoError)
        throw PictureError(where(path) + file.errorString().toStdString());
}

void PictureWriter::writePng(const QString& path, int dpi, int bandBytes) const {
    if (dpi < 1 || dpi > 2400)
        throw PictureError(where(path) + "the resolution must be from 1 to 2400 dpi");
    const double scale = dpi / 72.0;
    const double width = std::ceil(m_picture.size().width() * scale);
    const double height = std::ceil(m_picture.size().height() * scale);
    if (width > kMaxSide || height > kMaxSide || width * height > kMaxPixels)
        throw PictureError(where(path) + "the chart is too large for an image at " +
                           std::to_string(dpi) + " dpi (" +
                           std::to_string(static_cast<long long>(width)) + " x " +
                           std::to_string(static_cast<long long>(height)) +
                           " pixels); choose a lower resolution or a PDF");
    const int columns = static_cast<int>(width);
    const int rows = static_cast<int>(height);
    // The image is painted and written a band of rows at a time, so memory
    // stays tens of megabytes however large the image is. A band starts
    // `above` rows over the rows it writes: the painter places a glyph whose
    // baseline lies above the band a fraction of a pixel differently (it
    // rounds negative positions the other way), so the glyphs reaching into
    // the written rows must all have their baselines inside the band.
    double reachAbove = kGlyphDescent;
    double reachBelow = 0;
    if (PicturePainter::kThinnestPen * scale <= 1) {
        // Lines thinner than a pixel are drawn by a stroker whose dashes and
        // shading start where the band's edge cuts the line: at such
        // resolutions a band reaches past every box and line it meets.
        double longest = 0;
        for (const ChartPicture::Box& box : m_picture.boxes())
            longest = std::max(longest, box.rect.height());
        for (const QLineF& line : m_picture.lines())
            longest = std::max(longest, std::abs(line.dy()));
        reachAbove = std::max(reachAbove, longest + 2);
        reachBelow = longest + 2;
    }
    const int bandRows = std::clamp(bandBytes / (columns * 4), 1, rows);
    const int above = static_cast<int>(std::ceil(reachAbove * scale)) + 1;
    const int below = static_cast<int>(std::ceil(reachBelow * scale));
    QImage band(columns, above + bandRows + below, QImage::Format_RGB32);
    if (band.isNull()) throw PictureError(where(path) + "not enough memory for the image");
    band.fill(Qt::white);
    const PicturePainter chart(m_picture);
    // A file that cannot be finished is never left half written.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw PictureError(where(path) + file.errorString().toStdString());
    try {
        PngRowsWriter png(file, columns, rows, static_cast<int>(std::lround(dpi / 0.0254)));
        for (int top = 0; top < rows; top += bandRows) {
            // Only the rows written are cleared: what is painted over the
            // rows around them is never written. The first band starts at the
            // image's top, as a whole painting does. (No clip either: a clip
            // shifts the shading of lines thinner than a pixel.)
            const int first = std::max(0, top - above);
            const int skip = top - first;
            std::memset(band.scanLine(skip), 0xFF,
                        static_cast<std::size_t>(band.bytesPerLine()) * bandRows);
            QPainter painter(&band);
            painter.setRenderHint(QPainter::Antialiasing);
            // Whole pixels up, then the scale: a band's pixels are those of
            // the same rows painted in one image.
            painter.translate(0, -first);
            painter.scale(scale, scale);
            chart.paint(painter, QRectF(0, first / scale - kReach, m_picture.size().width(),
                                        band.height() / scale + 2 * kReach));
            painter.end();
            png.write(band, skip, std::min(bandRows, rows - top));
        }
        png.finish();
    } catch (const PictureError& e) {
        throw PictureError(where(path) + e.what());
    }
    if (!file.commit()) throw PictureError(where(path) + file.errorString().toStdString());
}

}  // namespace kinmora
