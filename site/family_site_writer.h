// Writes the family website into a folder: the pages, styles and scripts
// kept in the program, and the family's data, replacing the folder only once
// the whole site is written.
#pragma once

#include <QString>

#include "export/export_progress.h"

namespace kinmora {

class FamilySiteData;

class FamilySiteWriter {
public:
    // Writes the site of `data` into a new folder beside `dir`, then puts it
    // in place of `dir`. `dir` may be missing, empty, or a site written
    // before; any other folder is refused, so that a mistyped -o never
    // deletes somebody's files. `progress` hears of each file. On failure or
    // cancel (ExportCancelled) `dir` is left as it was and the new folder
    // is removed. Throws std::runtime_error naming the folder and the reason.
    static void write(const QString& dir, const FamilySiteData& data,
                      const ExportProgress& progress = {});

    // The files of the site that come from the program, not the family.
    static QStringList pageFiles();
};

}  // namespace kinmora
