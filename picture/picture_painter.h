// Draws a laid-out chart picture with a QPainter: boxes edged and filled by
// sex, the centre person and namesakes marked, "?" partners dashed, the lines
// and the title. Works on any device: PDF, SVG, image or printer.
#pragma once

#include <QPainter>

#include "picture/chart_picture.h"

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

    // Paints the parts of the picture that meet `area` (picture points), in
    // the painter's current coordinates, where one unit is one point.
    void paint(QPainter& painter, const QRectF& area) const;
    // Paints the whole picture.
    void paint(QPainter& painter) const { paint(painter, QRectF(QPointF(0, 0), m_picture.size())); }

private:
    void paintTexts(QPainter& painter, const ChartPicture::Box& box) const;
    void paintText(QPainter& painter, QPointF origin, const QString& text, int shaped) const;

    const ChartPicture& m_picture;
    bool m_glyphs;
};

}  // namespace kinmora
