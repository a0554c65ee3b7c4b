// Reads the tables of a family file in a short-lived child process, so that a
// file that crashes, hangs or exhausts libmdb cannot take the program down.
#pragma once

#include "data/table_sink.h"

#include <QString>
#include <QStringList>
#include <chrono>
#include <cstddef>

namespace kinmora {

class ReaderProcess {
public:
    struct Limits {
        // The reader is stopped when it sends nothing for this long.
        std::chrono::milliseconds silence{30000};
        // CPU time the reader may use in all.
        std::chrono::seconds cpu{120};
        // Memory the reader may take beyond what it starts with.
        std::size_t memory = std::size_t{3} << 30;
    };

    // Reads the tables named in `tables` (any letter case) from the family
    // file at `path` in a child process and feeds them to `sink` here; a table
    // the file lacks is skipped. Access 97 text is read in `codePage` (see
    // code_page.h). Throws FamilyFileError naming the file and the reason
    // when it cannot be read, also when the reader crashes or goes past its
    // limits; whatever `sink` throws is passed on. The child is always gone
    // when this returns.
    static void read(const QString& path, const QStringList& tables, TableSink& sink,
                     const Limits& limits, int codePage = 0);
    static void read(const QString& path, const QStringList& tables, TableSink& sink) {
        read(path, tables, sink, Limits{});
    }
};

}  // namespace kinmora
