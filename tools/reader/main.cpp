// kinmora-reader: reads the tables of one family file for Kinmora, which
// starts it with a pipe on file descriptor 3 and reads the frames it writes
// there. Not meant to be run by hand.
//
// usage: kinmora-reader --cpu SECONDS --memory BYTES --code-page N --password-on-stdin 0|1
//                       FILE TABLE...
// With --password-on-stdin 1 the password (UTF-8) comes on standard input, up to
// its end: neither it nor its length shows on the command line.
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "data/reader_child.h"

namespace {

constexpr int kFramesFd = 3;
constexpr qulonglong kMaxPasswordBytes = 1024;

// Reads the password from standard input, before the limits send it to /dev/null.
bool readPassword(QString& password) {
    QByteArray bytes;
    char buffer[256];
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        bytes.append(buffer, n);
        if (static_cast<qulonglong>(bytes.size()) > kMaxPasswordBytes) return false;
    }
    password = QString::fromUtf8(bytes);
    return true;
}

// Options come first, each with its value; the file and the tables follow.
bool parse(int argc, char* argv[], kinmora::ReaderChild::Limits& limits, int& codePage,
           bool& passwordOnStdin, QStringList& rest) {
    int i = 1;
    for (; i + 1 < argc && std::strncmp(argv[i], "--", 2) == 0; i += 2) {
        const QByteArray option(argv[i]);
        bool ok = false;
        const qulonglong value = QByteArray(argv[i + 1]).toULongLong(&ok);
        if (!ok) return false;
        if (option == "--cpu")
            limits.cpu = std::chrono::seconds(value);
        else if (option == "--memory")
            limits.memory = value;
        else if (option == "--code-page")
            codePage = static_cast<int>(value);
        else if (option == "--password-on-stdin")
            passwordOnStdin = value != 0;
        else
            return false;
    }
    for (; i < argc; ++i) rest << QFile::decodeName(argv[i]);
    return rest.size() >= 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    kinmora::ReaderChild::Limits limits;
    int codePage = 0;
    bool passwordOnStdin = false;
    QStringList rest;
    if (!parse(argc, argv, limits, codePage, passwordOnStdin, rest)) return 2;
    QString password;
    if (passwordOnStdin && !readPassword(password)) return 2;
    kinmora::ReaderChild::limit(limits);
    return kinmora::ReaderChild::run(kFramesFd, rest.takeFirst(), rest, codePage, password);
}
