// The pictures are pixel grids rather than shapes: at 14 x 12 pixels only a
// hand-placed arrow, cross, tick or heart stays sharp.
#include "app/node_icons.h"

#include <QColor>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <array>

namespace kinmora {
namespace {

constexpr int kWidth = 14;
constexpr int kHeight = 12;
using Grid = std::array<const char*, kHeight>;

// Letters of the grids: k black, y yellow, r red, w white, b light blue, p
// pink; '.' takes the tile's colour.
QColor colourOf(char c, QColor tile) {
    switch (c) {
        case 'k':
            return Qt::black;
        case 'y':
            return QColor(255, 255, 0);
        case 'r':
            return QColor(230, 0, 0);
        case 'w':
            return Qt::white;
        default:
            return tile;
    }
}

const QColor kLightBlue(140, 200, 255);
const QColor kPink(255, 160, 200);

// Each grid is drawn a row a line.
// clang-format off
// Forebears exist: a black arrow pointing up on a framed yellow tile.
constexpr Grid kUpper = {
    "kkkkkkkkkkkkkk",
    "k............k",
    "k.....kk.....k",
    "k....kkkk....k",
    "k...kkkkkk...k",
    "k..kkkkkkkk..k",
    "k.....kk.....k",
    "k.....kk.....k",
    "k.....kk.....k",
    "k.....kk.....k",
    "k............k",
    "kkkkkkkkkkkkkk",
};

// No forebears: a red cross on a framed yellow tile.
constexpr Grid kNoUpper = {
    "kkkkkkkkkkkkkk",
    "k............k",
    "k.rr......rr.k",
    "k..rr....rr..k",
    "k...rr..rr...k",
    "k....rrrr....k",
    "k....rrrr....k",
    "k...rr..rr...k",
    "k..rr....rr..k",
    "k.rr......rr.k",
    "k............k",
    "kkkkkkkkkkkkkk",
};

constexpr Grid kPlain = {
    "..............",
    "..............",
    "..............",
    "..............",
    "..............",
    "..............",
    "..............",
    "..............",
    "..............",
    "..............",
    "..............",
    "..............",
};

// The centre person and namesakes: a red tick.
constexpr Grid kTick = {
    "..............",
    "..............",
    "...........rr.",
    "..........rr..",
    ".........rr...",
    "..r.....rr....",
    "..rr...rr.....",
    "...rr.rr......",
    "....rrrr......",
    ".....rr.......",
    "..............",
    "..............",
};

// A spouse: a white heart outline.
constexpr Grid kHeart = {
    "..............",
    "..............",
    "...www...www..",
    "..w...w.w...w.",
    "..w....w....w.",
    "..w.........w.",
    "...w.......w..",
    "....w.....w...",
    ".....w...w....",
    "......w.w.....",
    ".......w......",
    "..............",
};
// clang-format on

QImage draw(const Grid& grid, QColor tile) {
    QImage image(kWidth, kHeight, QImage::Format_ARGB32);
    QPainter painter(&image);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) painter.fillRect(x, y, 1, 1, colourOf(grid[y][x], tile));
    return image;
}

}  // namespace

const QStringList& NodeIcons::keys() {
    static const QStringList list = {
        QStringLiteral("upper"),   QStringLiteral("noupper"), QStringLiteral("male"),
        QStringLiteral("female"),  QStringLiteral("cmale"),   QStringLiteral("cfemale"),
        QStringLiteral("husband"), QStringLiteral("wife"),
    };
    return list;
}

QImage NodeIcons::image(const QString& key) {
    const QColor yellow(255, 255, 0);
    switch (keys().indexOf(key)) {
        case 0:
            return draw(kUpper, yellow);
        case 1:
            return draw(kNoUpper, yellow);
        case 2:
            return draw(kPlain, kLightBlue);
        case 3:
            return draw(kPlain, kPink);
        case 4:
            return draw(kTick, kLightBlue);
        case 5:
            return draw(kTick, kPink);
        case 6:
            return draw(kHeart, kLightBlue);
        case 7:
            return draw(kHeart, kPink);
        default:
            return QImage();
    }
}

QIcon NodeIcons::icon(const QString& key) {
    // Drawn once: a large chart asks for an icon per node.
    static const QHash<QString, QIcon> icons = [] {
        QHash<QString, QIcon> all;
        for (const QString& k : keys()) {
            // A picked node shows its picture as it is: the style would tint it.
            const QPixmap picture = QPixmap::fromImage(image(k));
            QIcon icon(picture);
            icon.addPixmap(picture, QIcon::Selected);
            all.insert(k, icon);
        }
        return all;
    }();
    return icons.value(key);
}

}  // namespace kinmora
