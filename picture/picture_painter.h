// Draws a laid-out chart picture with a QPainter: boxes edged and filled by
// sex, the centre person and namesakes marked, "?" partners dashed, the lines
// and the heading with its legend. Works on any device: PDF, SVG, image or
// printer.
#pragma once

#include <QPainter>

#include "picture/chart_picture.h"
#include "picture/pdf_actual_text.h"

namespace kinmora {

class PicturePainter {
public:
    // With `glyphs` the texts are drawn from the glyphs shaped at layout
    // time (fast, for PDF, images and printers); without, as strings, for
    // devices that keep text as characters (SVG).
    // The thinnest pen, the lines', in points.
    static constexpr double kThinnestPen = 0.8;

    explicit PicturePainter(const ChartPicture& picture, bool glyphs = true)
        : m_picture(picture), m_glyphs(glyphs) {}

    // Records every glyph run painted from now on with the text it stands
    // for, in the order painted, for a PDF's text.
    void recordTo(PdfActualText* record) { m_record = record; }

    // Paints the parts of the picture that meet `area` (picture points), in
    // the painter's current coordinates, where one unit is one point.
    void paint(QPainter& painter, const QRectF& area) const;
    // Paints the whole picture.
    void paint(QPainter& painter) const { paint(painter, QRectF(QPointF(0, 0), m_picture.size())); }

private:
    void paintTexts(QPainter& painter, const ChartPicture::Box& box) const;
    void paintHeading(QPainter& painter) const;

public:
    // Paints text `index` of `texts` with its baseline starting at `origin`,
    // in the painter's font (set to `texts`' font) and pen.
    void paintText(QPainter& painter, QPointF origin, const ShapedTexts& texts, int index) const;

private:
    const ChartPicture& m_picture;
    bool m_glyphs;
    PdfActualText* m_record = nullptr;
};

}  // namespace kinmora
