// The old site is moved aside before the new one takes its name, and removed
// only after, so that a failed rename leaves the old site where it was.
#include "site/family_site_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <stdexcept>

#include "site/family_site_data.h"

namespace kinmora {
namespace {

const QString kMarker = QStringLiteral("data/family.js");

std::runtime_error failure(const QString& what) {
    return std::runtime_error(what.toStdString());
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        throw failure(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

// A folder that may be replaced: missing, empty, or holding a site.
void checkReplaceable(const QString& dir) {
    const QFileInfo info(dir);
    if (!info.exists()) return;
    if (!info.isDir()) throw failure(QStringLiteral("%1 is a file, not a folder").arg(dir));
    if (QDir(dir).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) return;
    QFile marker(QDir(dir).filePath(kMarker));
    if (marker.open(QIODevice::ReadOnly) && marker.read(22) == "window.KINMORA_FAMILY ") return;
    throw failure(QStringLiteral("%1 holds files that are not a family website; give an empty "
                                 "or new folder")
                      .arg(dir));
}

}  // namespace

QStringList FamilySiteWriter::pageFiles() {
    return QDir(QStringLiteral(":/kinmora-site")).entryList(QDir::Files, QDir::Name);
}

void FamilySiteWriter::write(const QString& dirPath, const FamilySiteData& data,
                             const ExportProgress& progress) {
    const QString dir = QFileInfo(dirPath).absoluteFilePath();
    checkReplaceable(dir);
    const QString parent = QFileInfo(dir).absolutePath();
    if (!QDir().mkpath(parent))
        throw failure(QStringLiteral("cannot make the folder %1").arg(parent));
    QTemporaryDir work(
        QDir(parent).filePath(QFileInfo(dir).fileName() + QStringLiteral(".new-XXXXXX")));
    if (!work.isValid())
        throw failure(
            QStringLiteral("cannot make a folder in %1: %2").arg(parent, work.errorString()));

    const QStringList pages = pageFiles();
    const qint64 total = pages.size() + 1 + data.noteFileCount();
    qint64 done = 0;
    const auto step = [&] {
        ++done;
        if (progress && !progress(done, total)) throw ExportCancelled();
    };
    for (const QString& page : pages) {
        QFile source(QStringLiteral(":/kinmora-site/") + page);
        if (!source.open(QIODevice::ReadOnly))
            throw failure(QStringLiteral("the program lacks its page %1").arg(page));
        writeFile(work.filePath(page), source.readAll());
        step();
    }
    if (!QDir(work.path()).mkdir(QStringLiteral("data")))
        throw failure(QStringLiteral("cannot make a folder in %1").arg(work.path()));
    writeFile(work.filePath(kMarker), data.familyScript());
    step();
    for (int file = 0; file < data.noteFileCount(); ++file) {
        writeFile(work.filePath(QStringLiteral("data/notes-%1.js").arg(file)),
                  data.noteScript(file));
        step();
    }

    QFile::setPermissions(work.path(), QFile::permissions(work.path()) | QFile::ReadGroup |
                                           QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    QString old;
    if (QFileInfo::exists(dir)) {
        old = work.path() + QStringLiteral(".old");
        if (!QDir().rename(dir, old))
            throw failure(QStringLiteral("cannot move the old site %1 aside").arg(dir));
    }
    if (!QDir().rename(work.path(), dir)) {
        if (!old.isEmpty()) QDir().rename(old, dir);
        throw failure(QStringLiteral("cannot put the new site in place of %1").arg(dir));
    }
    work.setAutoRemove(false);
    if (!old.isEmpty()) QDir(old).removeRecursively();
}

}  // namespace kinmora
