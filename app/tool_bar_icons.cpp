// Drawn with dark outlines and flat colours so that each icon reads at a
// glance on the grey toolbar, also when disabled and greyed by the style.
#include "app/tool_bar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace kinmora {
namespace {

constexpr int kSize = 32;
const QColor kOutline(40, 40, 40);

QPen outline(double width = 1.5) {
    return QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void openFolder(QPainter& p) {
    p.setPen(outline());
    // The back of the folder with its tab.
    QPainterPath back;
    back.moveTo(3, 8);
    back.lineTo(11, 8);
    back.lineTo(14, 11);
    back.lineTo(26, 11);
    back.lineTo(26, 26);
    back.lineTo(3, 26);
    back.closeSubpath();
    p.setBrush(QColor(214, 164, 56));
    p.drawPath(back);
    // A sheet of paper sticking out.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 6, 15, 12));
    // The front flap, tilted open.
    QPainterPath front;
    front.moveTo(3, 26);
    front.lineTo(8, 15);
    front.lineTo(30, 15);
    front.lineTo(26, 26);
    front.closeSubpath();
    p.setBrush(QColor(250, 204, 92));
    p.drawPath(front);
}

void magnifier(QPainter& p) {
    p.setPen(QPen(QColor(90, 60, 30), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 20), QPointF(28, 28));
    p.setPen(outline(2.5));
    p.setBrush(QColor(190, 225, 255));
    p.drawEllipse(QPointF(13, 13), 9, 9);
    // A glint on the glass.
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(8, 8, 10, 10), 100 * 16, 60 * 16);
}

// One half of the refresh circle: an arc ending in an arrow head.
void turningArrow(QPainter& p, double startDegrees, QColor colour) {
    const QPointF centre(16, 16);
    const double radius = 10;
    p.setPen(QPen(colour, 4, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
              int(startDegrees * 16), int(140 * 16));
    // Qt's angles turn counter-clockwise with y pointing down.
    const double end = qDegreesToRadians(startDegrees + 140);
    const QPointF tip = centre + QPointF(radius * std::cos(end), -radius * std::sin(end));
    const QPointF along(-std::sin(end), -std::cos(end));  // direction of travel
    const QPointF across(std::cos(end), -std::sin(end));
    QPolygonF head;
    head << tip + along * 6 << tip + across * 5 << tip - across * 5;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
}

void refresh(QPainter& p) {
    turningArrow(p, 20, QColor(30, 140, 40));
    turningArrow(p, 200, QColor(30, 140, 40));
}

void personalCard(QPainter& p) {
    p.setPen(outline());
    p.setBrush(QColor(255, 250, 220));
    p.drawRoundedRect(QRectF(2, 6, 28, 20), 3, 3);
    // The person's picture.
    p.setBrush(QColor(120, 170, 230));
    p.drawRect(QRectF(5, 10, 9, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 220, 180));
    p.drawEllipse(QPointF(9.5, 14), 2.5, 2.5);
    p.drawChord(QRectF(5.5, 17, 8, 8), 0, 180 * 16);
    // The lines of particulars.
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    for (double y : {12.0, 16.0, 20.0}) p.drawLine(QPointF(17, y), QPointF(27, y));
}

void bookWithQuestion(QPainter& p) {
    p.setPen(outline());
    p.setBrush(QColor(200, 40, 40));
    p.drawRoundedRect(QRectF(6, 3, 20, 26), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 25, 17, 3));  // the pages' edge
    p.setPen(QPen(QColor(150, 20, 20), 2));
    p.drawLine(QPointF(9, 4), QPointF(9, 25));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(9, 3, 17, 22), Qt::AlignCenter, QStringLiteral("?"));
}

void exitDoor(QPainter& p) {
    p.setPen(outline());
    p.setBrush(QColor(110, 110, 110));
    p.drawRect(QRectF(7, 3, 16, 26));  // the door frame, dark inside
    // The door swung open towards the viewer.
    QPolygonF door;
    door << QPointF(7, 3) << QPointF(17, 7) << QPointF(17, 31) << QPointF(7, 29);
    p.setBrush(QColor(176, 112, 60));
    p.drawPolygon(door);
    p.setBrush(QColor(250, 210, 60));
    p.drawEllipse(QPointF(15, 18), 1.3, 1.3);
    // An arrow leading out.
    p.setPen(QPen(QColor(30, 140, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 16), QPointF(29, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 140, 40));
    p.drawPolygon(QPolygonF{QPointF(31, 16), QPointF(26, 11), QPointF(26, 21)});
}

}  // namespace

QImage ToolBarIcons::image(int index) {
    if (index < 1 || index > kCount) return QImage();
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (index) {
        case 1:
            openFolder(painter);
            break;
        case 2:
            magnifier(painter);
            break;
        case 3:
            refresh(painter);
            break;
        case 4:
            personalCard(painter);
            break;
        case 5:
            bookWithQuestion(painter);
            break;
        case 6:
            exitDoor(painter);
            break;
    }
    return image;
}

QIcon ToolBarIcons::icon(int index) {
    const QImage drawn = image(index);
    return drawn.isNull() ? QIcon() : QIcon(QPixmap::fromImage(drawn));
}

}  // namespace kinmora
