// ToolBarIcons: the six 32 x 32 toolbar icons, by index 1 to 6.
#pragma once

#include <QIcon>
#include <QImage>

namespace kinmora {

class ToolBarIcons {
public:
    static constexpr int kCount = 6;

    // Icon `index`: 1 an open folder, 2 a magnifier, 3 two turning arrows,
    // 4 a personal card, 5 a book with a question mark, 6 an exit door.
    // A null image for any other index.
    static QImage image(int index);

    // image(index) as an icon; an empty icon for an index outside 1 to 6.
    static QIcon icon(int index);
};

}  // namespace kinmora
