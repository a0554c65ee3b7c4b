// `kinmora-cli relation FILE A B [--codes]`: prints what B is to A in Thai kinship terms.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace kinmora::cli {

// `words` are the command line after the program's name. Prints the term
// for what B is to A on one line. A and B are names, found as the chart
// finds its centre person, or with --codes person codes. Returns 0, or 1
// with "NOT FOUND" on `err` when either names nobody. Throws
// FamilyFileError for an unreadable file, UsageError for bad arguments.
int runRelation(const QStringList& words, QTextStream& out, QTextStream& err);

}  // namespace kinmora::cli
