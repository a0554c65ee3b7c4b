// A main window for dialog tests: it records what the dialogs ask of it.
#pragma once

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
    bool openFile(const QString& path) override {
        openedPaths.append(path);
        return opens;
    }
    QString title() const override { return QStringLiteral("Kinmora"); }
    void setBusyCursor(bool busy) override { busyCursor.push_back(busy); }
    QWidget* widget() override { return &window; }
    void setStatusText(const QString&) override {}

    QWidget window;
    QStringList calacNames;
    QStringList openedPaths;
    bool opens = true;  // what openFile answers
    std::vector<bool> busyCursor;
    std::function<void()> duringCalac;  // runs inside calac, e.g. to look at cursors
};

}  // namespace kinmora::testing
