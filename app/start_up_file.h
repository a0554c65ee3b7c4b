// Opening the family file named when the program is started.
#pragma once

#include <QString>

namespace kinmora {

class MainWindow;

// Opens the file at `path` for `main` exactly as the open window's OK does
// with that file chosen: the shared state, the caption, "Search" and "exit",
// and the chart of the first person. A file that is missing, not named
// *.MDB or not readable gives a message box naming it and the reason, and
// changes nothing. Returns whether the file was opened.
bool openStartUpFile(MainWindow& main, const QString& path);

}  // namespace kinmora
