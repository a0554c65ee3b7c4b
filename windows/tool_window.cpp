// Positions are set before the first show, so that Qt does not move a
// dialog over its parent as it would by default.
#include "windows/tool_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "windows/twips.h"

namespace kinmora::tool_window {
namespace {

QRect screenArea(const QWidget* near) {
    const QScreen* screen = near ? near->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

void setUp(QWidget* window, double widthTwips, double heightTwips) {
    window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    window->setWindowModality(Qt::ApplicationModal);
    window->setFixedSize(twips::toPixels(widthTwips, heightTwips));
}

void centreOnScreen(QWidget* window, const QWidget* near) {
    const QRect area = screenArea(near);
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

void placeOnScreen(QWidget* window, const QWidget* near, double leftTwips, double topTwips) {
    const QRect area = screenArea(near);
    window->move(area.topLeft() + QPoint(twips::toPixelsX(leftTwips), twips::toPixelsY(topTwips)));
}

}  // namespace kinmora::tool_window
