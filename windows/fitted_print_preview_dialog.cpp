// Qt's toolbar would hide the commands that do not fit behind an extension
// button, and Print and Page setup come last; rows keep them in view.
#include "windows/fitted_print_preview_dialog.h"

#include <QAction>
#include <QLayout>
#include <QMainWindow>
#include <QStyle>
#include <QToolBar>

#include "windows/screen_fit.h"

namespace kinmora {
namespace {

int spacingOf(const QToolBar* bar) {
    return bar->layout() ? bar->layout()->spacing() : 0;
}

int separatorWidthIn(const QToolBar* bar) {
    return bar->style()->pixelMetric(QStyle::PM_ToolBarSeparatorExtent, nullptr, bar) +
           spacingOf(bar);
}

int widthIn(const QToolBar* bar, QAction* action) {
    const QWidget* widget = bar->widgetForAction(action);
    return (widget ? widget->sizeHint().width() : 0) + spacingOf(bar);
}

// The groups of commands between the separators, in order.
QList<QList<QAction*>> groupsOf(QToolBar* bar) {
    QList<QList<QAction*>> groups(1);
    for (QAction* action : bar->actions()) {
        if (action->isSeparator())
            groups.append(QList<QAction*>());
        else
            groups.last().append(action);
    }
    return groups;
}

// Puts the groups of `bar`'s commands on as many rows as a window `room`
// pixels wide needs.
void wrapToolBar(QToolBar* bar, int room) {
    auto* window = qobject_cast<QMainWindow*>(bar->parentWidget());
    if (!window) return;
    bar->setMovable(false);
    const QStyle* style = bar->style();
    const int budget = room - 2 * (style->pixelMetric(QStyle::PM_ToolBarFrameWidth, nullptr, bar) +
                                   style->pixelMetric(QStyle::PM_ToolBarItemMargin, nullptr, bar) +
                                   style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, bar));
    const int separator = separatorWidthIn(bar);
    QList<QList<QAction*>> rows(1);
    int used = 0;
    for (const QList<QAction*>& group : groupsOf(bar)) {
        int width = 0;
        for (QAction* action : group) width += widthIn(bar, action);
        if (!rows.last().isEmpty() && used + separator + width > budget) {
            rows.append(QList<QAction*>());
            used = 0;
        }
        if (!rows.last().isEmpty()) {
            rows.last().append(nullptr);  // a separator
            used += separator;
        }
        rows.last().append(group);
        used += width;
    }
    if (rows.size() == 1) return;
    // The first row stays in Qt's toolbar; every later one is a new toolbar under it.
    for (QAction* action : bar->actions()) bar->removeAction(action);
    for (qsizetype row = 0; row < rows.size(); ++row) {
        QToolBar* target = bar;
        if (row > 0) {
            target = new QToolBar(window);
            target->setMovable(false);
            target->setIconSize(bar->iconSize());
            window->addToolBarBreak();
            window->addToolBar(target);
        }
        for (QAction* action : rows[row]) {
            if (action)
                target->addAction(action);
            else
                target->addSeparator();
        }
    }
}

}  // namespace

FittedPrintPreviewDialog::FittedPrintPreviewDialog(QPrinter* printer, QWidget* parent)
    : QPrintPreviewDialog(printer, parent) {
    // The pages are what the window is for: it takes the whole free area.
    const QRect area = screen_fit::availableArea(parent);
    screen_fit::fitToScreen(this, parent, area.size().shrunkBy(screen_fit::likelyFrameOf(this)));
    if (auto* bar = findChild<QToolBar*>()) wrapToolBar(bar, width());
}

}  // namespace kinmora
