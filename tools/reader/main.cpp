// kinmora-reader: reads the tables of one family file for Kinmora, which
// starts it with a pipe on file descriptor 3 and reads the frames it writes
// there. Not meant to be run by hand.
//
// usage: kinmora-reader --cpu SECONDS --memory BYTES --code-page N --password-bytes N FILE TABLE...
// A password of N bytes (UTF-8) comes on standard input, never on the command line.
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

// Reads the password's bytes from standard input, before the limits send it to /dev/null.
bool readPassword(qulonglong size, QString& password) {
    QByteArray bytes(static_cast<qsizetype>(size), '\0');
    for (qsizetype got = 0; got < bytes.size();) {
        const ssize_t n =
            ::read(STDIN_FILENO, bytes.data() + got, static_cast<std::size_t>(bytes.size() - got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        got += n;
    }
    password = QString::fromUtf8(bytes);
    return true;
}

// Options come first, each with its value; the file and the tables follow.
bool parse(int argc, char* argv[], kinmora::ReaderChild::Limits& limits, int& codePage,
           qulonglong& passwordBytes, QStringList& rest) {
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
        else if (option == "--password-bytes" && value <= kMaxPasswordBytes)
            passwordBytes = value;
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
    qulonglong passwordBytes = 0;
    QStringList rest;
    if (!parse(argc, argv, limits, codePage, passwordBytes, rest)) return 2;
    QString password;
    if (passwordBytes > 0 && !readPassword(passwordBytes, password)) return 2;
    kinmora::ReaderChild::limit(limits);
    return kinmora::ReaderChild::run(kFramesFd, rest.takeFirst(), rest, codePage, password);
}
