// Colours keep sexes apart in print as on screen; the centre person's box is
// filled gold and edged thicker, as the chart's centre icon stands out.
// Antialiasing is the image writer's choice: PDF and SVG are vector anyway.
#include "picture/picture_painter.h"

namespace kinmora {
namespace {

const QColor kMaleEdge(31, 78, 160);
const QColor kMaleFill(223, 234, 250);
const QColor kFemaleEdge(176, 42, 92);
const QColor kFemaleFill(251, 226, 236);
const QColor kCentreFill(255, 226, 130);
const QColor kUnknownEdge(120, 120, 120);
const QColor kLine(60, 60, 60);
const QColor kText(0, 0, 0);

}  // namespace

void PicturePainter::paint(QPainter& painter, const QRectF& area) const {
    painter.save();
    painter.setPen(QPen(kLine, kThinnestPen));
    for (const QLineF& line : m_picture.lines()) {
        // A straight line's bounding rectangle is empty; widen it before testing.
        const QRectF span = QRectF(line.p1(), line.p2()).normalized().adjusted(-1, -1, 1, 1);
        if (span.intersects(area)) painter.drawLine(line);
    }

    // Boxes of one look are drawn together, then every text in one font:
    // a PDF then says each colour and font once, not once per box.
    struct Look {
        QPen pen;
        QBrush brush;
    };
    auto look = [](const ChartPicture::Box& box) {
        if (box.kind == ChartPicture::BoxKind::UnknownPartner) return 0;
        return (box.male ? 1 : 2) + (box.centre ? 2 : 0);
    };
    const Look looks[] = {
        {QPen(kUnknownEdge, 1.0, Qt::DashLine), QBrush(Qt::white)},
        {QPen(kMaleEdge, 1.0), QBrush(kMaleFill)},
        {QPen(kFemaleEdge, 1.0), QBrush(kFemaleFill)},
        {QPen(kMaleEdge, 2.2), QBrush(kCentreFill)},
        {QPen(kFemaleEdge, 2.2), QBrush(kCentreFill)},
    };
    std::vector<const ChartPicture::Box*> shown;
    for (const ChartPicture::Box& box : m_picture.boxes())
        if (box.rect.intersects(area)) shown.push_back(&box);
    for (int i = 0; i < 5; ++i) {
        painter.setPen(looks[i].pen);
        painter.setBrush(looks[i].brush);
        for (const ChartPicture::Box* box : shown)
            if (look(*box) == i) painter.drawRect(box->rect);
    }
    painter.setPen(kText);
    painter.setFont(m_picture.font());
    for (const ChartPicture::Box* box : shown) paintTexts(painter, *box);
    painter.setFont(m_picture.titleFont());
    painter.drawText(m_picture.titleOrigin(), m_picture.title());
    painter.restore();
}

void PicturePainter::paintTexts(QPainter& painter, const ChartPicture::Box& box) const {
    const QRectF& r = box.rect;
    if (box.dates.isEmpty()) {
        // One line sits in the middle of the box.
        const double baseline =
            r.top() + (m_picture.nameBaseline() + m_picture.datesBaseline()) / 2;
        paintText(painter, QPointF(r.center().x() - box.nameWidth / 2, baseline), box.name,
                  box.nameText);
        return;
    }
    paintText(painter,
              QPointF(r.center().x() - box.nameWidth / 2, r.top() + m_picture.nameBaseline()),
              box.name, box.nameText);
    paintText(painter,
              QPointF(r.center().x() - box.datesWidth / 2, r.top() + m_picture.datesBaseline()),
              box.dates, box.datesText);
}

void PicturePainter::paintText(QPainter& painter, QPointF origin, const QString& text,
                               int shaped) const {
    if (!m_glyphs || shaped < 0) {
        painter.drawText(origin, text);
        return;
    }
    for (const QGlyphRun& run : m_picture.shapedTexts().runs(shaped))
        painter.drawGlyphRun(origin, run);
}

}  // namespace kinmora
