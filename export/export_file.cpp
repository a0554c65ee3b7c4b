// QSaveFile keeps a half-written export from ever replacing a good file.
#include "export/export_file.h"

#include <QDir>
#include <QSaveFile>
#include <stdexcept>

namespace kinmora {

void ExportFile::write(const QString& path, const std::function<void(QIODevice&)>& body) {
    QSaveFile file(path);
    const auto fail = [&](const QString& what) {
        throw std::runtime_error(QStringLiteral("%1: %2: %3")
                                     .arg(QDir::toNativeSeparators(path), what, file.errorString())
                                     .toStdString());
    };
    if (!file.open(QIODevice::WriteOnly)) fail(QStringLiteral("cannot be written"));
    body(file);  // a throw leaves QSaveFile uncommitted: the temporary file goes
    if (!file.commit()) fail(QStringLiteral("cannot be saved"));
}

}  // namespace kinmora
