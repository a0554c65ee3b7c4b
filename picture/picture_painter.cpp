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
// A box's edge, its antialiasing and any mark over or under its text reach
// less than this far (points) beyond the box.
constexpr double kReach = 12;

struct Look {
    QPen pen;
    QBrush brush;
};
// By index: the unknown partner's, a man's, a woman's, then the centre's for each.
const Look kLooks[] = {
    {QPen(kUnknownEdge, 1.0, Qt::DashLine), QBrush(Qt::white)},
    {QPen(kMaleEdge, 1.0), QBrush(kMaleFill)},
    {QPen(kFemaleEdge, 1.0), QBrush(kFemaleFill)},
    {QPen(kMaleEdge, 2.2), QBrush(kCentreFill)},
    {QPen(kFemaleEdge, 2.2), QBrush(kCentreFill)},
};

int lookOfKey(PictureHeading::Look look) {
    switch (look) {
        case PictureHeading::Look::Male:
            return 1;
        case PictureHeading::Look::Female:
            return 2;
        case PictureHeading::Look::Centre:
            return 3;
        case PictureHeading::Look::UnknownPartner:
            break;
    }
    return 0;
}

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
    auto look = [](const ChartPicture::Box& box) {
        if (box.kind == ChartPicture::BoxKind::UnknownPartner) return 0;
        return (box.male ? 1 : 2) + (box.centre ? 2 : 0);
    };
    std::vector<const ChartPicture::Box*> shown;
    for (const ChartPicture::Box& box : m_picture.boxes())
        if (box.rect.intersects(area)) shown.push_back(&box);
    for (int i = 0; i < 5; ++i) {
        painter.setPen(kLooks[i].pen);
        painter.setBrush(kLooks[i].brush);
        for (const ChartPicture::Box* box : shown)
            if (look(*box) == i) painter.drawRect(box->rect);
    }
    painter.setPen(kText);
    painter.setFont(m_picture.font());
    for (const ChartPicture::Box* box : shown) paintTexts(painter, *box);
    if (m_picture.heading().rect().adjusted(-kReach, -kReach, kReach, kReach).intersects(area))
        paintHeading(painter);
    painter.restore();
}

void PicturePainter::paintHeading(QPainter& painter) const {
    const PictureHeading& heading = m_picture.heading();
    for (const PictureHeading::Key& key : heading.keys()) {
        const Look& look = kLooks[lookOfKey(key.look)];
        painter.setPen(look.pen);
        painter.setBrush(look.brush);
        painter.drawRect(key.swatch);
    }
    painter.setPen(kText);
    const ShapedTexts& texts = m_picture.shapedTexts();
    paintText(painter, heading.noteLine().origin, texts, heading.noteLine().text);
    for (const PictureHeading::Key& key : heading.keys())
        paintText(painter, key.label.origin, texts, key.label.text);
    painter.setFont(heading.titleTexts().font());
    paintText(painter, heading.titleLine().origin, heading.titleTexts(), heading.titleLine().text);
}

void PicturePainter::paintTexts(QPainter& painter, const ChartPicture::Box& box) const {
    const QRectF& r = box.rect;
    if (box.dates.isEmpty()) {
        // One line sits in the middle of the box.
        const double baseline =
            r.top() + (m_picture.nameBaseline() + m_picture.datesBaseline()) / 2;
        paintText(painter, QPointF(r.center().x() - box.nameWidth / 2, baseline),
                  m_picture.shapedTexts(), box.nameText);
        return;
    }
    paintText(painter,
              QPointF(r.center().x() - box.nameWidth / 2, r.top() + m_picture.nameBaseline()),
              m_picture.shapedTexts(), box.nameText);
    paintText(painter,
              QPointF(r.center().x() - box.datesWidth / 2, r.top() + m_picture.datesBaseline()),
              m_picture.shapedTexts(), box.datesText);
}

void PicturePainter::paintText(QPainter& painter, QPointF origin, const ShapedTexts& texts,
                               int index) const {
    if (index < 0) return;
    if (!m_glyphs) {
        painter.drawText(origin, texts.text(index));
        return;
    }
    const QList<QGlyphRun>& runs = texts.runs(index);
    for (int i = 0; i < runs.size(); ++i) {
        if (m_record) m_record->add(runs[i].glyphIndexes().size(), texts.runText(index, i));
        painter.drawGlyphRun(origin, runs[i]);
    }
}

}  // namespace kinmora
