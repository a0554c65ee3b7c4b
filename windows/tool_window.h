// What the program's small windows share: a tool-window frame with only a
// close box, a fixed client size in twips, and a place on the screen.
#pragma once

class QWidget;

namespace kinmora::tool_window {

// Gives `window` a small title bar whose only button is the close box, no
// minimise or maximise box, no taskbar entry, application-modal showing, and
// a fixed client area of the given size in twips.
void setUp(QWidget* window, double widthTwips, double heightTwips);
// The same frame and modality for a window that Qt layouts size.
void setUp(QWidget* window);

// The factor by which centreOnScreen or placeOnScreen shrank the design of
// `window` to fit its screen: 1 while it is shown at its designed size.
double scaleOf(const QWidget* window);

// Moves `window` so that it is centred in the free area of the screen of
// `near` (the primary screen when null). A window larger than that area
// shrinks as a whole, controls and fonts by the same factor, until it fits.
void centreOnScreen(QWidget* window, const QWidget* near);

// Moves `window` to a stored position, in twips from the top-left of the
// screen's free area, as far as the area lets it stay whole inside; shrinks
// it as centreOnScreen does.
void placeOnScreen(QWidget* window, const QWidget* near, double leftTwips, double topTwips);

}  // namespace kinmora::tool_window
