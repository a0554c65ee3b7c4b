// `kinmora-cli picture FILE [--name NAME] [--side father|mother] -o OUT
// [--paper A4|A3] [--tiles] [--dpi N]`: draws the family chart into a file.
#pragma once

#include <QTextStream>

#include "cli_arguments.h"

namespace kinmora::cli {

// Writes the chart as a PDF, SVG or PNG chosen by OUT's extension (--paper
// and --tiles for PDF, --dpi for PNG, 150 by default). Returns the exit
// status: 0, or 1 when nobody has the name ("NOT FOUND" on `err`). Throws
// UsageError for wrong options, FamilyFileError for an unreadable file and
// PictureError when OUT cannot be written.
int runPicture(const CliArguments& args, QTextStream& err);

}  // namespace kinmora::cli
