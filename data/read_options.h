// How a family file is read: the code page of its text, its password, and
// who hears of the read's progress and may stop it.
#pragma once

#include <QString>
#include <cstdint>
#include <exception>

namespace kinmora {

// Told how a read goes, and asked whether to go on; called on the thread
// that reads.
class ReadProgress {
public:
    virtual ~ReadProgress() = default;
    // `done` rows of `table` are in, of the `expected` its definition counts
    // (0 when not known yet; `done` may pass a stale count).
    virtual void progress(const QString& table, std::uint64_t done, std::uint64_t expected) = 0;
    // Asked a few times a second: true stops the read with ReadCancelled.
    virtual bool cancelled() const = 0;
};

// The read was stopped because ReadProgress::cancelled said so; nothing is
// wrong with the file.
class ReadCancelled : public std::exception {
public:
    const char* what() const noexcept override { return "the read was cancelled"; }
};

struct ReadOptions {
    int codePage = 0;  // see code_page.h; 0 follows the file
    // The database password, for a file that has one; it is only compared
    // with the file's and goes nowhere else (never to disk, nor to a
    // process list).
    QString password;
    ReadProgress* progress = nullptr;  // none: the read runs to its end
    QString readerProgram;             // empty: ReaderProcess::defaultProgram()
};

}  // namespace kinmora
