// `kinmora-cli chart FILE [--name NAME] [--side father|mother]`: prints the family chart.
#pragma once

#include <QTextStream>
#include <memory>

#include "chart/chart_tree.h"
#include "chart/family_side.h"
#include "cli_arguments.h"
#include "data/family_database.h"

namespace kinmora::cli {

// A family file with the chart a command asked for.
struct RequestedChart {
    std::unique_ptr<FamilyDatabase> database;
    ChartTree tree;
    FamilySide side = FamilySide::Father;
};

// Opens FILE (positional 1) and builds the chart of --name (the first person
// in name order when absent) on --side (father, the default, or mother).
// Returns null after writing "NOT FOUND" to `err` when nobody has the name.
// Throws UsageError for a wrong --side, FamilyFileError for an unreadable file.
std::unique_ptr<RequestedChart> buildRequestedChart(const CliArguments& args, QTextStream& err);

// Prints the chart one node a line (depth, key, text, image, expanded) and a
// last "status" line. Returns the exit status: 0, or 1 when nobody has the
// name ("NOT FOUND" on `err`). Throws FamilyFileError for an unreadable file.
int runChart(const CliArguments& args, QTextStream& out, QTextStream& err);

}  // namespace kinmora::cli
