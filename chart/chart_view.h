// What the chart builder draws on: the main window's tree and status bar, or
// a plain recording of the chart for the command line and the tests.
#pragma once

#include "chart/chart_node.h"

namespace kinmora {

class ChartView {
public:
    virtual ~ChartView() = default;
    // Removes every node.
    virtual void clearNodes() = 0;
    // Adds `node` as the last child of the node keyed node.parentKey (top level when empty).
    virtual void addNode(const ChartNode& node) = 0;
    // Expands every ancestor of the node keyed `key` and scrolls it into view.
    virtual void makeVisible(const QString& key) = 0;
    // Replaces the text of the status bar's first panel.
    virtual void setStatusText(const QString& text) = 0;
    // Shows or ends the busy (hourglass) cursor.
    virtual void setBusy(bool busy) = 0;
};

}  // namespace kinmora
