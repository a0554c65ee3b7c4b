// kinmora-reader: reads the tables of one family file for Kinmora, which
// starts it with a pipe on file descriptor 3 and reads the frames it writes
// there. Not meant to be run by hand.
//
// usage: kinmora-reader --cpu SECONDS --memory BYTES --code-page N FILE TABLE...
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <cstdlib>
#include <cstring>

#include "data/reader_child.h"

namespace {

constexpr int kFramesFd = 3;

// Options come first, each with its value; the file and the tables follow.
bool parse(int argc, char* argv[], kinmora::ReaderChild::Limits& limits, int& codePage,
           QStringList& rest) {
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
    QStringList rest;
    if (!parse(argc, argv, limits, codePage, rest)) return 2;
    kinmora::ReaderChild::limit(limits);
    return kinmora::ReaderChild::run(kFramesFd, rest.takeFirst(), rest, codePage);
}
