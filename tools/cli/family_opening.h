// How every kinmora-cli command opens the family file it is given.
#pragma once

#include <QStringList>
#include <QTextStream>
#include <memory>

#include "cli_arguments.h"
#include "data/family_database.h"

namespace kinmora::cli {

// Opens the family file named by positional 1 as `args` say (code page,
// password) and warns on `err` when it opened with damage. Throws
// FamilyFileError when it cannot be opened.
std::unique_ptr<FamilyDatabase> openFamily(const CliArguments& args, QTextStream& err);

// One line on `err` for a file at `path` that opened with `damage` (one
// sentence each); nothing when there is none.
void warnOfDamage(const QString& path, const QStringList& damage, QTextStream& err);

}  // namespace kinmora::cli
