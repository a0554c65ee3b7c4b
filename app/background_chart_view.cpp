// Asking about cancelling costs an atomic load, cheap beside adding a node.
#include "app/background_chart_view.h"

#include "app/background_job.h"

namespace kinmora {

BackgroundChartView::BackgroundChartView(ChartTree& tree, JobControl& control)
    : m_tree(tree), m_control(control) {}

void BackgroundChartView::addNode(const ChartNode& node) {
    if (m_control.cancelled()) throw ChartCancelled();
    m_tree.addNode(node);
}

void BackgroundChartView::setStatusText(const QString& text) {
    m_tree.setStatusText(text);
    m_control.report(text);
}

}  // namespace kinmora
