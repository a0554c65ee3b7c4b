// `kinmora-cli site FILE -o DIR [--living names|full]`: writes the family website.
#pragma once

#include <QTextStream>

#include "cli_arguments.h"

namespace kinmora::cli {

// Writes the website of FILE (positional 1) into -o DIR, living persons
// shown as --living says (names, the default, or full). Returns 0. Throws
// UsageError for a missing -o or a wrong --living, FamilyFileError for an
// unreadable file, std::runtime_error when the folder cannot be written.
int runSite(const CliArguments& args);

}  // namespace kinmora::cli
