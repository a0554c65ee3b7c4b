// The chart is built by the same builder the window uses, into a tree kept in memory.
#include "chart_command.h"

#include "chart/chart_builder.h"
#include "chart/chart_tree.h"
#include "data/family_columns.h"
#include "data/family_database.h"
#include "family_opening.h"

namespace kinmora::cli {
namespace {

// The name of the picture the viewer shows for `node`, which the chart's
// lines print: "upper"/"noupper" for the root, "male"/"female" for a person,
// "cmale"/"cfemale" for one marked as the centre, "husband"/"wife" for a
// spouse or unknown partner.
const char* imageKey(const ChartNode& node) {
    const bool male = node.isMale();
    switch (node.role) {
        case ChartNode::Role::RootUpper:
            return "upper";
        case ChartNode::Role::RootNoUpper:
            return "noupper";
        case ChartNode::Role::Person:
            if (node.centre) return male ? "cmale" : "cfemale";
            return male ? "male" : "female";
        case ChartNode::Role::Spouse:
        case ChartNode::Role::UnknownPartner:
            break;
    }
    return male ? "husband" : "wife";
}

}  // namespace

std::unique_ptr<RequestedChart> buildRequestedChart(const CliArguments& args, QTextStream& err) {
    const QString sideName = args.option(QStringLiteral("--side"), QStringLiteral("father"));
    if (sideName != QLatin1String("father") && sideName != QLatin1String("mother"))
        throw UsageError("--side takes father or mother");
    const FamilySide side =
        sideName == QLatin1String("father") ? FamilySide::Father : FamilySide::Mother;

    auto chart = std::make_unique<RequestedChart>();
    chart->side = side;
    chart->database = openFamily(args, err);
    // Opening leaves persons on the first person in name order, as the open window does.
    const QString name =
        args.has(QStringLiteral("--name"))
            ? args.option(QStringLiteral("--name"))
            : chart->database->persons().field(QLatin1String(family_field::kName)).toText();

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
            << imageKey(*row.node) << '\t' << (row.expanded ? 1 : 0) << '\n';
    out << "status\t" << tree.statusText() << '\n';
    return 0;
}

}  // namespace kinmora::cli
