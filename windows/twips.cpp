// The screen's logical DPI stands for its real resolution, so a designed
// window grows with the fonts when the desktop's text is scaled up.
#include "windows/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace kinmora::twips {
namespace {

constexpr double kTwipsPerInch = 1440.0;

double dpiX() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

double dpiY() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

}  // namespace

int toPixelsX(double twips) {
    return static_cast<int>(std::lround(twips * dpiX() / kTwipsPerInch));
}
int toPixelsY(double twips) {
    return static_cast<int>(std::lround(twips * dpiY() / kTwipsPerInch));
}
double fromPixelsX(int pixels) {
    return pixels * kTwipsPerInch / dpiX();
}
double fromPixelsY(int pixels) {
    return pixels * kTwipsPerInch / dpiY();
}

QSize toPixels(double widthTwips, double heightTwips) {
    return {toPixelsX(widthTwips), toPixelsY(heightTwips)};
}

QRect toPixels(double left, double top, double width, double height) {
    return {toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height)};
}

void place(QWidget* widget, double left, double top, double width, double height) {
    widget->setGeometry(toPixels(left, top, width, height));
}

}  // namespace kinmora::twips
