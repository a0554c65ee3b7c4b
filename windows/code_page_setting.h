// The code page the user chose for a family file, remembered per file
// between runs (in Kinmora's own settings, never in the file).
#pragma once

#include <QString>

namespace kinmora::code_page_setting {

// The code page chosen for the file at `path`, or 0 (by the file) when none was.
int remembered(const QString& path);

// Remembers `codePage` for the file at `path`; 0 forgets the choice.
void remember(const QString& path, int codePage);

}  // namespace kinmora::code_page_setting
