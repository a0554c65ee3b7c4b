// `kinmora-cli chart FILE [--name NAME] [--side father|mother]`: prints the family chart.
#pragma once

#include <QTextStream>

#include "cli_arguments.h"

namespace kinmora::cli {

// Prints the chart one node a line (depth, key, text, image, expanded) and a
// last "status" line. Returns the exit status: 0, or 1 when nobody has the
// name ("NOT FOUND" on `err`). Throws FamilyFileError for an unreadable file.
int runChart(const CliArguments& args, QTextStream& out, QTextStream& err);

}  // namespace kinmora::cli
