// Reads the tables of a family file in the reader program (kinmora-reader),
// so that a file that crashes, hangs or exhausts libmdb cannot take the
// program down, and a verdict on it comes within seconds.
#pragma once

#include <QString>
#include <QStringList>
#include <chrono>
#include <cstddef>
#include <cstdint>

#include "data/read_options.h"
#include "data/table_sink.h"

namespace kinmora {

class ReaderProcess {
public:
    struct Limits {
        // The reader is stopped when, once it has sent something, it sends
        // nothing for this long; until then the budget alone bounds it, so
        // that a reader slow to start on a loaded machine still reads.
        std::chrono::milliseconds silence{3000};
        // The reader is stopped when it takes longer than this; zero gives
        // budgetFor(the file's size). Past it, a reader that still sends
        // frames without a pause of a second may go on for up to three times
        // as long.
        std::chrono::milliseconds budget{0};
        // CPU time the reader may use in all.
        std::chrono::seconds cpu{120};
        // Memory the reader may take beyond what it starts with.
        std::size_t memory = std::size_t{3} << 30;
    };

    // How long reading a file of `fileBytes` may take: five seconds up to
    // about 10 MB, a few times the slowest measured read beyond.
    static std::chrono::milliseconds budgetFor(std::uint64_t fileBytes);

    // kinmora-reader where helperProgram() finds it; empty when there is
    // none. Used unless options.readerProgram names another.
    static QString defaultProgram();

    // Reads the tables named in `tables` (any letter case) from the family
    // file at `path` in the reader program and feeds them to `sink` here; a
    // table the file lacks is skipped. Access 97 text is read in
    // options.codePage; options.progress hears how far the read is and may
    // stop it (ReadCancelled). Throws FamilyFileError naming the file and the
    // reason when it cannot be read, also when the reader crashes or goes
    // past its limits; whatever `sink` throws is passed on. The reader is
    // always gone when this returns.
    static void read(const QString& path, const QStringList& tables, TableSink& sink,
                     const Limits& limits, const ReadOptions& options = {});
    static void read(const QString& path, const QStringList& tables, TableSink& sink) {
        read(path, tables, sink, Limits{});
    }
};

}  // namespace kinmora
