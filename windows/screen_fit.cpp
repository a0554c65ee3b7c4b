// Sizes are logical pixels: the screen's scale is already in the available
// area Qt reports, so the twips of the design stay twips.
#include "windows/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace kinmora::screen_fit {

QRect fitted(QSize wanted, QSize minimum, const QMargins& frame, const QRect& available) {
    const QSize room = available.size().shrunkBy(frame);
    const QSize client(std::max(minimum.width(), std::min(wanted.width(), room.width())),
                       std::max(minimum.height(), std::min(wanted.height(), room.height())));
    const QSize outer = client.grownBy(frame);
    QPoint corner(available.x() + (available.width() - outer.width()) / 2,
                  available.y() + (available.height() - outer.height()) / 2);
    corner.setX(std::max(corner.x(), available.x()));
    corner.setY(std::max(corner.y(), available.y()));
    return {corner + QPoint(frame.left(), frame.top()), client};
}

void fitToScreen(QWidget* window, const QWidget* near, QSize wanted) {
    const QRect area = availableArea(near);
    const QMargins frame = likelyFrameOf(window);
    const QSize minimum = window->minimumSizeHint().expandedTo(window->minimumSize());
    const QRect client = fitted(wanted, minimum, frame, area);
    window->resize(client.size());
    // move() places the frame's corner.
    window->move(client.topLeft() - QPoint(frame.left(), frame.top()));
}

QRect availableArea(const QWidget* near) {
    const QScreen* screen = near ? near->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QMargins frameOf(const QWidget* window) {
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

QMargins likelyFrameOf(const QWidget* window) {
    const QMargins known = frameOf(window);
    if (!known.isNull()) return known;
    const QStyle* style = window->style();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
    return {border, style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window) + border, border,
            border};
}

}  // namespace kinmora::screen_fit
