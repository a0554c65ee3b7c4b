// Files are keyed by their canonical path, hex-encoded: QSettings would read
// the path's slashes as groups.
#include "windows/code_page_setting.h"

#include <QFileInfo>
#include <QSettings>

namespace kinmora::code_page_setting {
namespace {

QString keyOf(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return QStringLiteral("code-pages/") +
           QString::fromLatin1((canonical.isEmpty() ? path : canonical).toUtf8().toHex());
}

}  // namespace

int remembered(const QString& path) {
    return QSettings(QStringLiteral("Kinmora"), QStringLiteral("Kinmora"))
        .value(keyOf(path), 0)
        .toInt();
}

void remember(const QString& path, int codePage) {
    QSettings settings(QStringLiteral("Kinmora"), QStringLiteral("Kinmora"));
    if (codePage == 0)
        settings.remove(keyOf(path));
    else
        settings.setValue(keyOf(path), codePage);
}

}  // namespace kinmora::code_page_setting
