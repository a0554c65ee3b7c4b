// The main window as the other windows see it: the few things they may ask of it.
#pragma once

#include <QString>

class QWidget;

namespace kinmora {

class ChartWindow {
public:
    virtual ~ChartWindow() = default;
    // Rebuilds the family chart around the person named `centreName` (showChart).
    virtual void showChart(const QString& centreName) = 0;
    // Opens the family file at `path` the one way the program opens a file:
    // read first, and only when that worked made the open file, named in the
    // caption and charted from its first person. A failure is shown to the
    // user and changes nothing. Returns whether the file was opened.
    virtual bool openFile(const QString& path) = 0;
    // The program's title, for the captions of message boxes.
    virtual QString title() const = 0;
    // The main window's busy cursor: hourglass (true) or the default (false).
    virtual void setBusyCursor(bool busy) = 0;
    // The window itself, to parent and centre dialogs on.
    virtual QWidget* widget() = 0;

    // While a family file is read (BackgroundOpen): no command may start,
    // progress is shown, and endReading puts the toolbar and the status text
    // back as they were before beginReading.
    virtual void beginReading() {}
    virtual void showReading(const QString& text) { (void)text; }
    virtual void endReading() {}
    // Replaces the text of panel 1 of the status bar.
    virtual void setStatusText(const QString& text) = 0;
};

}  // namespace kinmora
