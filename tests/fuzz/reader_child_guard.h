// Keeps a sanitizer report of our own code in the reader program that
// FamilyDatabase::open starts from going unseen: the reader silences its
// standard error, and libmdb's own faults there are the reader's to contain.
#pragma once

#include <QString>

namespace kinmora::fuzz {

class ReaderChildGuard {
public:
    // Before the first open: every reader program started afterwards writes
    // its sanitizer reports into a private folder instead of its silenced
    // standard error, and an allocation past its memory limit fails as it
    // does in the program.
    static void install();

    // After each open: when a reader left a report whose fault lies outside
    // libmdb and the libraries it calls, prints the report and aborts, which
    // makes the input a finding. Removes the reports either way.
    static void checkReports();

private:
    // True when the report's first frame outside the sanitizer runtime and
    // the C library lies in libmdb or GLib.
    static bool faultInLibmdb(const QString& report);
};

}  // namespace kinmora::fuzz
