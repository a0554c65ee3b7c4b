// `kinmora-cli search FILE TEXT`: prints the Search command's hit lines.
#pragma once

#include <QTextStream>

#include "cli_arguments.h"

namespace kinmora::cli {

// Prints every hit line ("name", ten spaces, "surname") in the order the
// search meets them. Returns 0, or 1 when nobody matches ("NOT FOUND" on
// `err`). Throws FamilyFileError for an unreadable file.
int runSearch(const CliArguments& args, QTextStream& out, QTextStream& err);

}  // namespace kinmora::cli
