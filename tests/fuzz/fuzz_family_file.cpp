// libFuzzer target: the bytes as a family file, opened the way the program
// opens one (the reader in its own child process) and then used the way the
// windows use it.
#include "data/family_database.h"
#include "fuzz/family_exercise.h"
#include "fuzz/memory_file.h"
#include "fuzz/reader_child_guard.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    kinmora::fuzz::ReaderChildGuard::install();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kinmora::fuzz::MemoryFile file({data, size});
    try {
        const auto database = kinmora::FamilyDatabase::open(file.path());
        kinmora::fuzz::FamilyExercise(*database).run();
    } catch (const std::runtime_error&) {
        // FamilyFileError: the program tells the user the file cannot be read.
    }
    kinmora::fuzz::ReaderChildGuard::checkReports();
    if (!file.unchanged()) {
        std::fprintf(stderr, "the family file was changed by reading it\n");
        std::abort();
    }
    return 0;
}
