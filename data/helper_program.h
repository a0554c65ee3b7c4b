// Finds the programs Kinmora's own programs start (kinmora-reader,
// kinmora-picture) from the folder of the running program.
#pragma once

#include <QString>

namespace kinmora {

// The helper program called `name`: in ../libexec/kinmora beside the running
// program's folder (installed), in that folder itself (the build tree), or in
// ../bin beside it (tests and benchmarks run from folders beside bin/). Empty
// when there is none, or it is not executable.
QString helperProgram(const QString& name);

}  // namespace kinmora
