// `kinmora-cli person FILE NAME [--now "YYYY-MM-DD HH:MM:SS"]`: prints a person's particulars.
#pragma once

#include <QTextStream>

#include "cli_arguments.h"

namespace kinmora::cli {

// Prints nine "label<TAB>text" lines with the texts the personal information
// window shows, line breaks in the biography written as "\n". Returns
// 0, or 1 when nobody has the name ("NOT FOUND" on `err`). Throws
// FamilyFileError for an unreadable file, UsageError for a bad --now.
int runPerson(const CliArguments& args, QTextStream& out, QTextStream& err);

}  // namespace kinmora::cli
