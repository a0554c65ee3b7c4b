// Opens a family file on a thread of its own while the windows keep
// answering: the main window shows how far the read is and offers to
// cancel it, and no other command can start meanwhile.
#pragma once

#include <QString>
#include <memory>

#include "data/family_database.h"
#include "data/read_options.h"

namespace kinmora {

class ChartWindow;

class BackgroundOpen {
public:
    // Opens the file at `path` as FamilyDatabase::open does, on another
    // thread, and returns once it is open, failed or cancelled; events are
    // handled meanwhile. `main` shows the progress (ChartWindow::showReading)
    // and is back as it was afterwards. Throws what the open throws:
    // FamilyFileError, or ReadCancelled once cancel() was called.
    static std::unique_ptr<FamilyDatabase> run(ChartWindow& main, const QString& path,
                                               ReadOptions options = {});

    // Whether a file is being read now.
    static bool running();
    // Stops the read now running, if any; run() then throws ReadCancelled.
    static void cancel();
};

}  // namespace kinmora
