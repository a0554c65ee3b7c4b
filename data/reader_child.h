// The reading side of ReaderProcess: what the reader program runs, reading a
// family file through libmdb and writing its tables as frames into a pipe.
#pragma once

#include <QString>
#include <QStringList>
#include <chrono>
#include <cstddef>

namespace kinmora {

class ReaderChild {
public:
    struct Limits {
        std::chrono::seconds cpu{120};              // CPU time in all
        std::size_t memory = std::size_t{3} << 30;  // memory beyond what it starts with
    };

    // Takes the limits on for the rest of the process, and sends standard
    // input, output and error to /dev/null: libmdb prints warnings and dumps
    // damaged pages there, and the frames have their own pipe.
    static void limit(const Limits& limits);

    // Reads the tables named in `tables` from the file at `path` (Access 97
    // text in `codePage`, see code_page.h; `password` for a file that has
    // one) and writes them as frames into `fd`, ending in a done or an error
    // frame. Returns the exit status: 0 when every frame was written, 3 when
    // the reading side has gone.
    static int run(int fd, const QString& path, const QStringList& tables, int codePage,
                   const QString& password = {});
};

}  // namespace kinmora
