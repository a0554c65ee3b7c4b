// `kinmora-cli csv FILE --family F.csv --married M.csv`: the two tables as the
// CSV files kinmora-mkfamily makes a family file from.
#pragma once

#include <QTextStream>

#include "cli_arguments.h"

namespace kinmora::cli {

// Writes the family table to F.csv and the married table to M.csv (either
// may be left out, not both); each file is replaced only when written whole.
// Returns 0. Throws UsageError without --family or --married,
// FamilyFileError for an unreadable file, std::runtime_error when a CSV file
// cannot be written.
int runCsv(const CliArguments& args, QTextStream& err);

}  // namespace kinmora::cli
