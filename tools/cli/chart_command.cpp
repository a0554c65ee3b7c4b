// The chart is built by the same builder the window uses, into a tree kept in memory.
#include "chart_command.h"

#include "chart/chart_builder.h"
#include "chart/chart_tree.h"
#include "data/family_database.h"
#include "family_opening.h"

namespace kinmora::cli {

std::unique_ptr<RequestedChart> buildRequestedChart(const CliArguments& args, QTextStream& err) {
    const QString sideName = args.option(QStringLiteral("--side"), QStringLiteral("father"));
    if (sideName != QLatin1String("father") && sideName != QLatin1String("mother"))
        throw UsageError("--side takes father or mother");
    const FamilySide side =
        sideName == QLatin1String("father") ? FamilySide::Father : FamilySide::Mother;

    auto chart = std::make_unique<RequestedChart>();
    chart->database = openFamily(args, err);
    // Opening leaves persons on the first person in name order, as the open window does.
    const QString name = args.has(QStringLiteral("--name"))
                             ? args.option(QStringLiteral("--name"))
                             : chart->database->persons().field(QStringLiteral("name")).toText();

    ChartBuilder builder(*chart->database, chart->tree);
    if (builder.build(name, side) == ChartBuilder::Outcome::NotFound) {
        err << "NOT FOUND\n";
        return nullptr;
    }
    return chart;
}

int runChart(const CliArguments& args, QTextStream& out, QTextStream& err) {
    const std::unique_ptr<RequestedChart> chart = buildRequestedChart(args, err);
    if (!chart) return 1;
    const ChartTree& tree = chart->tree;
    for (const ChartTree::Row& row : tree.rows())
        out << row.depth << '\t' << row.node->key << '\t' << row.node->text << '\t'
            << row.node->image << '\t' << (row.expanded ? 1 : 0) << '\n';
    out << "status\t" << tree.statusText() << '\n';
    return 0;
}

}  // namespace kinmora::cli
