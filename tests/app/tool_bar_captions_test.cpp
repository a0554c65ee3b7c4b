// The toolbar's captions drawn whole at the scale the test runs at (QT_SCALE_FACTOR 1, 1.5
// and 2): every button lies inside the bar, and each caption's ink (what changes when only its
// colour does), Thai marks included, is as tall and as wide as the same words drawn alone.
#include <QMenu>
#include <QPainter>
#include <QToolButton>
#include <QtTest>

#include "app/command_tool_bar.h"
#include "windows/thai_font.h"

using kinmora::CommandToolBar;

namespace {

// The widget as it paints itself, in device pixels.
QImage rendered(QWidget& widget) {
    const qreal ratio = widget.devicePixelRatioF();
    QImage image((QSizeF(widget.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    widget.render(&image);
    return image;
}

// The bounding box of the pixels that differ between `a` and `b`, or of the
// pixels of `a` that are not white when `b` is null.
QRect inkBetween(const QImage& a, const QImage& b = QImage()) {
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (b.isNull() ? a.pixel(x, y) != qRgb(255, 255, 255) : a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

// The caption's ink as the button shows it (a menu's arrow set aside).
QRect captionInk(QToolButton& button) {
    QMenu* menu = button.menu();
    button.setMenu(nullptr);
    const QImage shown = rendered(button);
    QPalette palette = button.palette();
    const QPalette before = palette;
    for (QPalette::ColorRole role : {QPalette::ButtonText, QPalette::WindowText})
        palette.setColor(role, Qt::white);
    button.setPalette(palette);
    const QImage withoutCaption = rendered(button);
    button.setPalette(before);
    button.setMenu(menu);
    return inkBetween(shown, withoutCaption);
}

// The ink of `text` in `font` drawn alone, at the scale of `widget`.
QRect freeInk(const QString& text, const QFont& font, const QWidget& widget) {
    const qreal ratio = widget.devicePixelRatioF();
    const QFontMetrics metrics(font);
    const QSize room(metrics.horizontalAdvance(text) + 4 * metrics.height(), 4 * metrics.height());
    QImage image((QSizeF(room) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(2 * metrics.height(), 2 * metrics.height()), text);
    painter.end();
    return inkBetween(image);
}

}  // namespace

class ToolBarCaptionsTest : public QObject {
    Q_OBJECT

private slots:
    // The program's font, as it starts.
    void initTestCase() { QApplication::setFont(kinmora::thaiFont(9.75)); }

    void everyCaptionShowsWholeInsideItsButton() {
        CommandToolBar bar;
        // Wide enough for every entry, as in the main window.
        bar.resize(bar.sizeHint().width(), bar.height());
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        for (int index = 1; index <= CommandToolBar::kMoreEntry; ++index) {
            QToolButton* button = bar.button(index);
            if (!button) continue;
            QVERIFY2(bar.contentsRect().contains(button->geometry()), qPrintable(button->text()));
            const QSize shown = captionInk(*button).size();
            const QSize free = freeInk(button->text(), button->font(), *button).size();
            QVERIFY2(!shown.isEmpty() && std::abs(shown.height() - free.height()) <= 1 &&
                         std::abs(shown.width() - free.width()) <= 1,
                     qPrintable(button->text() + QDebug::toString(shown) + QDebug::toString(free)));
        }
    }
};

QTEST_MAIN(ToolBarCaptionsTest)
#include "tool_bar_captions_test.moc"
