// The version comes from the build, which takes it from the project's one
// declaration of it.
#include "windows/program.h"

namespace kinmora::program {

QString title() {
    return QStringLiteral("Kinmora");
}

QString version() {
    return QStringLiteral(KINMORA_VERSION);
}

}  // namespace kinmora::program
