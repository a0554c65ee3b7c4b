// What a chart is built into off the window: a ChartTree, whose status texts
// become the job's progress, and which stops the build once the job is
// cancelled.
#pragma once

#include <stdexcept>

#include "chart/chart_tree.h"

namespace kinmora {

class JobControl;

// The build was stopped because its job was cancelled.
class ChartCancelled : public std::runtime_error {
public:
    ChartCancelled() : std::runtime_error("the chart was cancelled") {}
};

class BackgroundChartView : public ChartView {
public:
    BackgroundChartView(ChartTree& tree, JobControl& control);

    void clearNodes() override { m_tree.clearNodes(); }
    // Throws ChartCancelled once the job is cancelled.
    void addNode(const ChartNode& node) override;
    void makeVisible(const QString& key) override { m_tree.makeVisible(key); }
    void setStatusText(const QString& text) override;
    // The window shows its own busy cursor while the job runs.
    void setBusy(bool) override {}

private:
    ChartTree& m_tree;
    JobControl& m_control;
};

}  // namespace kinmora
