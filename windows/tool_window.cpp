// Positions are set before the first show, so that Qt does not move a
// dialog over its parent as it would by default.
#include "windows/tool_window.h"

#include <QScrollArea>
#include <QWidget>
#include <algorithm>

#include "windows/screen_fit.h"
#include "windows/twips.h"

namespace kinmora::tool_window {
namespace {

// At a large scale on a small screen a window can be larger than the screen:
// its controls keep their designed places inside a scroll area instead of
// falling off the bottom of the screen.
void scrollIfTooLarge(QWidget* window, const QRect& area) {
    const QSize design = window->size();
    const QSize room = area.size().shrunkBy(screen_fit::likelyFrameOf(window));
    if (design.width() <= room.width() && design.height() <= room.height()) return;
    auto* content = new QWidget;
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect place = child->geometry();
        const bool hidden = child->isHidden();
        child->setParent(content);
        child->setGeometry(place);
        child->setHidden(hidden);
    }
    content->setFixedSize(design);
    auto* scroll = new QScrollArea(window);
    scroll->setObjectName(QStringLiteral("screen_fit_scroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    window->setFixedSize(design.boundedTo(room));
    scroll->setGeometry(window->rect());
}

}  // namespace

void setUp(QWidget* window, double widthTwips, double heightTwips) {
    window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    window->setWindowModality(Qt::ApplicationModal);
    window->setFixedSize(twips::toPixels(widthTwips, heightTwips));
}

void centreOnScreen(QWidget* window, const QWidget* near) {
    const QRect area = screen_fit::availableArea(near);
    scrollIfTooLarge(window, area);
    const QMargins frame = screen_fit::likelyFrameOf(window);
    // move() places the frame's corner.
    window->move(screen_fit::fitted(window->size(), window->size(), frame, area).topLeft() -
                 QPoint(frame.left(), frame.top()));
}

void placeOnScreen(QWidget* window, const QWidget* near, double leftTwips, double topTwips) {
    const QRect area = screen_fit::availableArea(near);
    scrollIfTooLarge(window, area);
    const QPoint wanted =
        area.topLeft() + QPoint(twips::toPixelsX(leftTwips), twips::toPixelsY(topTwips));
    const QSize outer = window->size().grownBy(screen_fit::likelyFrameOf(window));
    window->move(std::max(area.left(), std::min(wanted.x(), area.right() + 1 - outer.width())),
                 std::max(area.top(), std::min(wanted.y(), area.bottom() + 1 - outer.height())));
}

}  // namespace kinmora::tool_window
