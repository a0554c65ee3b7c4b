// The running program is found through /proc/self/exe, which names the real
// file whatever folder or link it was started through.
#include "data/helper_program.h"

#include <limits.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kinmora {

QString helperProgram(const QString& name) {
    char exe[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0) return {};
    const QString folder = QFileInfo(QFile::decodeName(QByteArray(exe, n))).absolutePath();
    for (const QString& candidate :
         {folder + QStringLiteral("/../libexec/kinmora/") + name, folder + QLatin1Char('/') + name,
          folder + QStringLiteral("/../bin/") + name}) {
        const QFileInfo file(candidate);
        if (file.isFile() && file.isExecutable()) return QDir::cleanPath(candidate);
    }
    return {};
}

}  // namespace kinmora
