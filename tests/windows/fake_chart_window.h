// A main window for dialog tests: it records what the dialogs ask of it.
#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

#include "windows/chart_window.h"

namespace kinmora::testing {

class FakeChartWindow : public ChartWindow {
public:
    void showChart(const QString& centreName) override {
        chartedNames.append(centreName);
        if (duringShowChart) duringShowChart();
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
    QStringList chartedNames;
    QStringList openedPaths;
    bool opens = true;  // what openFile answers
    std::vector<bool> busyCursor;
    std::function<void()> duringShowChart;  // runs inside showChart, e.g. to look at cursors
};

}  // namespace kinmora::testing
