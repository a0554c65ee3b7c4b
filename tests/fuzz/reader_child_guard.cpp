// The reader program inherits this process's environment, and with it the
// sanitizer options set here.
#include "fuzz/reader_child_guard.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace kinmora::fuzz {
namespace {

QTemporaryDir* g_reports = nullptr;

// Adds `options` to the sanitizer options in the environment variable `name`.
void addOptions(const char* name, const QByteArray& options) {
    QByteArray value = qgetenv(name);
    if (!value.isEmpty()) value += ':';
    qputenv(name, value + options);
}

}  // namespace

void ReaderChildGuard::install() {
    if (g_reports) return;
    g_reports = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/kinmora-fuzz-XXXXXX"));
    if (!g_reports->isValid()) {
        std::fprintf(stderr, "cannot make a folder for the reader's reports\n");
        std::abort();
    }
    std::atexit([] { delete g_reports; });
    // This process read its options when it started: these reach only the
    // reader programs it starts. Their reports go to files, since the reader
    // silences its standard error; an allocation past the reader's memory
    // limit fails as it does in the program instead of being reported. No
    // leak check: the reader's end frees everything, and the checker, which
    // must stop every thread, gives a report without a stack where it cannot.
    const QByteArray prefix = QFile::encodeName(g_reports->path() + QStringLiteral("/child"));
    addOptions("ASAN_OPTIONS",
               "log_path=" + prefix + ":allocator_may_return_null=1:detect_leaks=0");
    addOptions("UBSAN_OPTIONS", "log_path=" + prefix);
}

bool ReaderChildGuard::faultInLibmdb(const QString& report) {
    static const QRegularExpression frame(QStringLiteral(R"(^\s*#\d+ 0x[0-9a-f]+ (.*)$)"),
                                          QRegularExpression::MultilineOption);
    static const QRegularExpression runtime(QStringLiteral(
        R"(compiler-rt|libclang_rt|/libc\.so|libc-|libstdc\+\+|in __asan|in __ubsan|in __sanitizer|in __interceptor_)"));
    static const QRegularExpression libmdb(QStringLiteral(R"(libmdb\.so|libglib-2\.0\.so)"));
    for (auto match = frame.globalMatch(report); match.hasNext();) {
        const QString where = match.next().captured(1);
        if (runtime.match(where).hasMatch()) continue;
        return libmdb.match(where).hasMatch();
    }
    return false;
}

void ReaderChildGuard::checkReports() {
    QDir folder(g_reports->path());
    for (const QString& name : folder.entryList(QDir::Files)) {
        QFile file(folder.filePath(name));
        QString report;
        if (file.open(QIODevice::ReadOnly)) report = QString::fromUtf8(file.readAll());
        file.remove();
        if (!faultInLibmdb(report)) {
            std::fprintf(stderr, "The reader child stopped on a fault outside libmdb:\n%s\n",
                         report.toLocal8Bit().constData());
            std::abort();
        }
    }
}

}  // namespace kinmora::fuzz
