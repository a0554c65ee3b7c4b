// Keeps a window inside the part of its screen that windows may use, at any
// screen size and scale: shrunk to fit, never below its minimum, centred.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace kinmora::screen_fit {

// The client geometry for a window that wants a client of `wanted` pixels,
// with a frame of `frame` around it, on a screen whose free area is
// `available`: the client shrinks until the framed window fits (never below
// `minimum`), and the framed window is centred in the area. A window that
// cannot fit even at its minimum keeps its title bar inside the area, at the
// top-left corner.
QRect fitted(QSize wanted, QSize minimum, const QMargins& frame, const QRect& available);

// Resizes `window` (a window that layouts size) to `wanted`, as far as the
// free area of the screen of `near` lets it, never below its minimum size
// hint, and centres it in that area.
void fitToScreen(QWidget* window, const QWidget* near, QSize wanted);

// The free area (without panels and docks) of the screen `near` is on, or of
// the primary screen.
QRect availableArea(const QWidget* near);

// The frame the window manager draws around `window`; empty until it is known.
QMargins frameOf(const QWidget* window);

// The frame of `window` once known; before that, what a window manager's
// frame with a title bar commonly takes.
QMargins likelyFrameOf(const QWidget* window);

}  // namespace kinmora::screen_fit
