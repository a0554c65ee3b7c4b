// Makes the reader child that FamilyDatabase::open forks end the way it ends
// in the program when libmdb fails, instead of as a libFuzzer crash, and keeps
// a sanitizer report of our own code in that child from going unseen.
#pragma once

#include <QString>

namespace kinmora::fuzz {

class ReaderChildGuard {
public:
    // Before the first fork: every child afterwards drops libFuzzer's crash,
    // timeout and death handling (which would write a crash file for a fault
    // the program contains), writes its sanitizer reports into a private
    // folder instead of its silenced standard error, and is killed when its
    // memory passes what the program would allow it.
    static void install();

    // After each open: when a child left a report whose fault lies outside
    // libmdb and the libraries it calls, prints the report and aborts, which
    // makes the input a finding. Removes the reports either way.
    static void checkReports();

private:
    // True when the report's first frame outside the sanitizer runtime and
    // the C library lies in libmdb or GLib.
    static bool faultInLibmdb(const QString& report);
};

}  // namespace kinmora::fuzz
