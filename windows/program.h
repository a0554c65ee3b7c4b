// The program's name and version, as every window and message shows them.
#pragma once

#include <QString>

namespace kinmora::program {

// "Kinmora": the main window's caption and every message box's title.
QString title();
// The version the build was made as, "major.minor.revision".
QString version();

}  // namespace kinmora::program
