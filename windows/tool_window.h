// What the program's small windows share: a tool-window frame with only a
// close box, a fixed client size in twips, and a place on the screen.
#pragma once

class QWidget;

namespace kinmora::tool_window {

// Gives `window` a small title bar whose only button is the close box, no
// minimise or maximise box, no taskbar entry, application-modal showing, and
// a fixed client area of the given size in twips.
void setUp(QWidget* window, double widthTwips, double heightTwips);

// Moves `window` so that its client area is centred on the screen of
// `near` (the primary screen when null).
void centreOnScreen(QWidget* window, const QWidget* near);

// Moves `window` to a stored position, in twips from the screen's top-left.
void placeOnScreen(QWidget* window, const QWidget* near, double leftTwips, double topTwips);

}  // namespace kinmora::tool_window
