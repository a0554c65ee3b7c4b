// Positions are set before the first show, so that Qt does not move a
// dialog over its parent as it would by default.
#include "windows/tool_window.h"

#include <QVariant>
#include <QWidget>
#include <algorithm>

#include "windows/screen_fit.h"
#include "windows/twips.h"

namespace kinmora::tool_window {
namespace {

constexpr char kScaleProperty[] = "kinmoraDesignScale";

QRect scaled(const QRect& r, double factor) {
    const QPoint topLeft(qRound(r.x() * factor), qRound(r.y() * factor));
    const QPoint end(qRound((r.x() + r.width()) * factor), qRound((r.y() + r.height()) * factor));
    return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

void scaleFont(QWidget* widget, double factor) {
    QFont font = widget->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * factor)));
    widget->setFont(font);
}

// At a large scale on a small screen a window can be larger than the screen's
// free area: its whole design then shrinks by one factor, places, sizes and
// fonts alike, so that it keeps its proportions and shows every control.
void shrinkIfTooLarge(QWidget* window, const QRect& area) {
    const QSize design = window->size();
    const QSize room = area.size().shrunkBy(screen_fit::likelyFrameOf(window));
    const double factor = std::min(
        {1.0, double(room.width()) / design.width(), double(room.height()) / design.height()});
    if (factor >= 1.0) return;
    window->setProperty(kScaleProperty, factor);
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setGeometry(scaled(child->geometry(), factor));
    // A font set on a control itself keeps its own size when the window's changes.
    const QList<QWidget*> ownFonts = window->findChildren<QWidget*>();
    scaleFont(window, factor);
    for (QWidget* child : ownFonts)
        if (child->testAttribute(Qt::WA_SetFont) &&
            (child->font().resolveMask() & QFont::SizeResolved))
            scaleFont(child, factor);
    window->setFixedSize(scaled(QRect(QPoint(), design), factor).size());
}

}  // namespace

void setUp(QWidget* window) {
    window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    window->setWindowModality(Qt::ApplicationModal);
}

void setUp(QWidget* window, double widthTwips, double heightTwips) {
    setUp(window);
    window->setFixedSize(twips::toPixels(widthTwips, heightTwips));
}

double scaleOf(const QWidget* window) {
    const QVariant factor = window->property(kScaleProperty);
    return factor.isValid() ? factor.toDouble() : 1.0;
}

void centreOnScreen(QWidget* window, const QWidget* near) {
    const QRect area = screen_fit::availableArea(near);
    shrinkIfTooLarge(window, area);
    const QMargins frame = screen_fit::likelyFrameOf(window);
    // move() places the frame's corner.
    window->move(screen_fit::fitted(window->size(), window->size(), frame, area).topLeft() -
                 QPoint(frame.left(), frame.top()));
}

void placeOnScreen(QWidget* window, const QWidget* near, double leftTwips, double topTwips) {
    const QRect area = screen_fit::availableArea(near);
    shrinkIfTooLarge(window, area);
    const QPoint wanted =
        area.topLeft() + QPoint(twips::toPixelsX(leftTwips), twips::toPixelsY(topTwips));
    const QSize outer = window->size().grownBy(screen_fit::likelyFrameOf(window));
    window->move(std::max(area.left(), std::min(wanted.x(), area.right() + 1 - outer.width())),
                 std::max(area.top(), std::min(wanted.y(), area.bottom() + 1 - outer.height())));
}

}  // namespace kinmora::tool_window
