// kinmora-icon-renderer draws the application icon's SVG into square PNG files
// at build time, so that the SVG is the one drawing the icons come from.
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>
#include <cstdio>

// Usage: kinmora-icon-renderer ICON.svg SIZE OUT.png
int main(int argc, char* argv[]) {
    // No application object: drawing into an image needs no display, and the
    // drawing has no text that would need fonts.
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    bool sizeOk = false;
    const int size = args.value(2).toInt(&sizeOk);
    if (args.size() != 4 || !sizeOk || size <= 0) {
        std::fprintf(stderr, "usage: kinmora-icon-renderer ICON.svg SIZE OUT.png\n");
        return 2;
    }
    QSvgRenderer svg(args.at(1));
    if (!svg.isValid()) {
        std::fprintf(stderr, "kinmora-icon-renderer: %s: not a readable SVG drawing\n",
                     qPrintable(args.at(1)));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    if (!image.save(args.at(3), "PNG")) {
        std::fprintf(stderr, "kinmora-icon-renderer: %s: cannot write\n", qPrintable(args.at(3)));
        return 1;
    }
    return 0;
}
