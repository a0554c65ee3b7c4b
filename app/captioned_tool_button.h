// A toolbar button with its caption under its icon, laid out so that Thai
// marks over and under the caption's letters are drawn whole within the
// toolbar's designed height.
#pragma once

#include <QToolButton>

namespace kinmora {

class CaptionedToolButton : public QToolButton {
    Q_OBJECT

public:
    explicit CaptionedToolButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where the icon's top and the caption's baseline go, from the button's
    // top, and the height the two need.
    struct Layout {
        double iconTop;
        double baseline;
        double height;
    };
    Layout layout() const;
    // Room kept right of the caption for a menu's arrow, in pixels.
    int arrowRoom() const;
};

}  // namespace kinmora
