// Title bars often draw in a larger or bolder font than the box, and carry
// up to three buttons and an icon: the width allows for both. QMessageBox
// fixes its own size when shown, from a title width it measures smaller and
// a limit of the screen's width less 480 pixels, so the width is set after.
#include "windows/titled_message_box.h"

#include <QFontMetrics>
#include <QLabel>
#include <QScreen>
#include <algorithm>

namespace kinmora {
namespace {

constexpr double kTitleFontGrowth = 1.3;
constexpr int kTitleBarButtons = 140;  // pixels for the buttons and icon
constexpr int kIconAndMargins = 80;    // beside the text in the box

}  // namespace

TitledMessageBox::TitledMessageBox(Icon icon, const QString& title, const QString& text,
                                   StandardButtons buttons, QWidget* parent)
    : QMessageBox(icon, title, text, buttons, parent) {}

int TitledMessageBox::titleWidth() const {
    QFont font = this->font();
    font.setBold(true);
    return static_cast<int>(QFontMetrics(font).horizontalAdvance(windowTitle()) *
                            kTitleFontGrowth) +
           kTitleBarButtons;
}

void TitledMessageBox::showEvent(QShowEvent* event) {
    const int room = screen() ? screen()->availableGeometry().width() : titleWidth();
    const int wanted = std::min(titleWidth(), room);
    // The text's label is what the box measures its width by; the icon and
    // margins take the rest.
    auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (label) label->setMinimumWidth(std::max(0, wanted - kIconAndMargins));
    QMessageBox::showEvent(event);
    // A box with an icon, or wider margins, takes what it still lacks once
    // more; it sizes itself again as it is shown.
    if (label && wanted > width()) {
        label->setMinimumWidth(label->minimumWidth() + wanted - width());
        QMessageBox::showEvent(event);
    }
}

}  // namespace kinmora
