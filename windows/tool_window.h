// What the program's small windows share: a tool-window frame with only a
// close box, a fixed client size in twips, and a place on the screen.
#pragma once

class QWidget;

namespace kinmora::tool_window {

// Gives `window` a small title bar whose only button is the close box, no
// minimise or maximise box, no taskbar entry, application-modal showing, and
// a fixed client area of the given size in twips.
void setUp(QWidget* window, double widthTwips, double heightTwips);

// Moves `window` so that it is centred in the free area of the screen of
// `near` (the primary screen when null). A window larger than that area
// shows its designed layout in a scroll area the size the screen allows.
void centreOnScreen(QWidget* window, const QWidget* near);

// Moves `window` to a stored position, in twips from the top-left of the
// screen's free area, as far as the area lets it stay whole inside; shrinks
// it into a scroll area as centreOnScreen does.
void placeOnScreen(QWidget* window, const QWidget* near, double leftTwips, double topTwips);

}  // namespace kinmora::tool_window
