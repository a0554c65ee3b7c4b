// Writes a chart picture as a PDF (one page sized to the chart, or one paper
// page, or tiles of paper to tape together), an SVG, or a PNG at a chosen
// resolution, and paints it on any paged device such as a printer.
#pragma once

#include <QPageSize>
#include <QString>

#include "picture/chart_picture.h"
#include "picture/picture_error.h"

class QPagedPaintDevice;

namespace kinmora {

class PdfActualText;

class PictureWriter {
public:
    struct Pages {
        // No paper: one page exactly the chart's size. A paper: the chart
        // fitted to one page of it, centred, while its names stay at least
        // kSmallestText tall; otherwise, or with `tiles`, at full size over
        // as many pages as it needs.
        std::optional<QPageSize::PageSizeId> paper;
        bool tiles = false;
    };
    // The overlap between neighbouring tiles, in points (1 cm), and the
    // margin of every paper page.
    static constexpr double kTileOverlap = 28.35;
    static constexpr double kPaperMargin = 28.35;
    // The smallest size of the names (points) on a chart fitted to one page,
    // and the most a small chart is enlarged to fill it.
    static constexpr double kSmallestText = 6;
    static constexpr double kMostEnlarged = 2;

    explicit PictureWriter(const ChartPicture& picture) : m_picture(picture) {}

    // Each throws PictureError when the file cannot be written.
    void writePdf(const QString& path, const Pages& pages) const;
    void writeSvg(const QString& path) const;
    // `dpi` from 1 to 2400; throws PictureError when the image would be too
    // large for image viewers (a PDF suits such a chart). The image is painted
    // in bands of rows of about `bandBytes` each, whatever its size.
    static constexpr int kBandBytes = 16 * 1024 * 1024;
    void writePng(const QString& path, int dpi, int bandBytes = kBandBytes) const;

    // Paints on `device`, whose page size and margins are already set: the
    // chart fitted to the first page as Pages says, or with `tiles` (or when
    // it would not be readable on one page) at full size over as many pages
    // as needed, each labelled with its place. With `record`, every glyph
    // run painted is recorded there with the text it stands for.
    void paintPages(QPagedPaintDevice& device, bool tiles, PdfActualText* record = nullptr) const;

    // The scale that fits `chart` into `page` (points), at most kMostEnlarged.
    static double fitScale(QSizeF chart, QSizeF page);

    // The number of tiles across and down for a page area of `page` points.
    static QSize tileGrid(QSizeF chart, QSizeF page);

private:
    const ChartPicture& m_picture;
};

}  // namespace kinmora
