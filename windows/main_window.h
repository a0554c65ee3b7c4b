// The main window as the other windows see it: the few things they may ask of it.
#pragma once

#include <QString>

class QWidget;

namespace kinmora {

class MainWindow {
public:
    virtual ~MainWindow() = default;
    // Rebuilds the family chart around the person named `center_name` (calac).
    virtual void calac(const QString& center_name) = 0;
    // Sets the main window's caption.
    virtual void setCaption(const QString& caption) = 0;
    // Enables or disables toolbar entry `index` (1 to 8, separators counted).
    virtual void setToolbarButtonEnabled(int index, bool enabled) = 0;
    // The main window's busy cursor: hourglass (true) or the default (false).
    virtual void setBusyCursor(bool busy) = 0;
    // The window itself, to parent and centre dialogs on.
    virtual QWidget* widget() = 0;
};

}  // namespace kinmora
