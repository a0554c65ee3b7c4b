// `kinmora-cli gedcom FILE [-o OUT.ged]`: the family as a GEDCOM 5.5.1 file.
#pragma once

#include <QTextStream>

#include "cli_arguments.h"

namespace kinmora::cli {

// Writes the GEDCOM file to OUT (replaced only when the whole file is
// written) or, without -o, to `out`'s device. Returns 0. Throws
// FamilyFileError for an unreadable file and std::runtime_error when OUT
// cannot be written.
// A damaged file that still opens is warned of on `err`.
int runGedcom(const CliArguments& args, QTextStream& out, QTextStream& err);

}  // namespace kinmora::cli
