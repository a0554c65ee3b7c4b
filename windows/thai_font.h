// The font every Thai text of the program is drawn in.
#pragma once

#include <QFont>

namespace kinmora {

// "MS Sans Serif" at `pointSize` where that font is installed, otherwise a
// Thai-capable font (the TLWG fonts of Debian), so Thai never shows as boxes.
QFont thaiFont(double pointSize = 9.75, bool bold = false);

}  // namespace kinmora
