// Window sizes and positions are designed in twips (1/1440 inch); these turn
// them into pixels by the screen's real resolution, and back.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace kinmora::twips {

// Pixels for a horizontal or vertical distance in twips on the primary screen.
int toPixelsX(double twips);
int toPixelsY(double twips);
// Twips for a distance in pixels on the primary screen.
double fromPixelsX(int pixels);
double fromPixelsY(int pixels);

QSize toPixels(double widthTwips, double heightTwips);
// A rectangle given as left, top, width and height in twips.
QRect toPixels(double left, double top, double width, double height);

// Places `widget` at a designed position and size.
void place(QWidget* widget, double left, double top, double width, double height);

}  // namespace kinmora::twips
