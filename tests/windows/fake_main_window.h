// A main window for dialog tests: it records what the dialogs ask of it.
#pragma once

#include <QMap>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

#include "windows/main_window.h"

namespace kinmora::testing {

class FakeMainWindow : public MainWindow {
public:
    void calac(const QString& center_name) override {
        calacNames.append(center_name);
        if (duringCalac) duringCalac();
    }
    void setCaption(const QString& caption) override { captions.append(caption); }
    void setToolbarButtonEnabled(int index, bool enabled) override { buttons[index] = enabled; }
    void setBusyCursor(bool busy) override { busyCursor.push_back(busy); }
    QWidget* widget() override { return &window; }
    void setStatusText(const QString& text) override { statusTexts.append(text); }

    bool untouched() const {
        return calacNames.isEmpty() && captions.isEmpty() && buttons.isEmpty();
    }

    QWidget window;
    QStringList calacNames;
    QStringList captions;
    QStringList statusTexts;
    QMap<int, bool> buttons;
    std::vector<bool> busyCursor;
    std::function<void()> duringCalac;  // runs inside calac, e.g. to look at cursors
};

}  // namespace kinmora::testing
