// The style would centre a caption in what is left under the icon once its
// own margins are taken, which at the toolbar's height cuts the marks under
// the line ("ปรับปรุง" reads "ปรับปรง"). Here the style draws the panel (and
// the menu arrow) only; the icon sits at the top and the caption's baseline
// right under it, with room for the caption's own ink above and below.
#include "app/captioned_tool_button.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <algorithm>
#include <cmath>

namespace kinmora {
namespace {

constexpr int kSideRoom = 6;  // beside the caption or the icon
// Thai stacked as high and as deep as words go: an upper vowel with a tone
// mark over it, and a lower vowel. Every caption's baseline leaves this room,
// so captions line up whatever marks their own words have.
const char* const kTallest = "ปิ่ปั้";
const char* const kDeepest = "ปุดู";

// The ink of `text` in `font` around its baseline: font metrics leave Thai
// marks out, outlines do not.
QRectF inkOf(const QFont& font, const QString& text) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path.boundingRect();
}

}  // namespace

CaptionedToolButton::CaptionedToolButton(QWidget* parent) : QToolButton(parent) {
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setAutoRaise(true);
}

CaptionedToolButton::Layout CaptionedToolButton::layout() const {
    const QRectF own = inkOf(font(), text());
    const double above = std::max(-inkOf(font(), QString::fromUtf8(kTallest)).top(), -own.top());
    const double below =
        std::max(inkOf(font(), QString::fromUtf8(kDeepest)).bottom(), own.bottom());
    const double needed = iconSize().height() + above + below;
    // What the bar gives beyond that is shared above and below.
    const double top = std::max(0.0, std::floor((height() - needed) / 2));
    return {top, top + iconSize().height() + above, needed};
}

int CaptionedToolButton::arrowRoom() const {
    // The style draws a menu's arrow in the bottom right corner, beside the caption.
    return menu() ? style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, this) : 0;
}

QSize CaptionedToolButton::sizeHint() const {
    const QFontMetricsF metrics(font());
    const double width =
        std::max<double>(iconSize().width(), metrics.horizontalAdvance(text()) + 2 * arrowRoom()) +
        2 * kSideRoom;
    return QSize(static_cast<int>(std::ceil(width)),
                 static_cast<int>(std::ceil(layout().height)) + 2);
}

void CaptionedToolButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);

    const QIcon::Mode mode = !isEnabled()                             ? QIcon::Disabled
                             : option.state & QStyle::State_MouseOver ? QIcon::Active
                                                                      : QIcon::Normal;
    const QPixmap pixmap = icon().pixmap(iconSize(), devicePixelRatioF(), mode);
    const Layout at = layout();
    painter.drawPixmap(QPointF((width() - iconSize().width()) / 2.0, at.iconTop), pixmap);

    const QFontMetricsF metrics(font());
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(
        QPointF((width() - arrowRoom() - metrics.horizontalAdvance(text())) / 2, at.baseline),
        text());
}

}  // namespace kinmora
