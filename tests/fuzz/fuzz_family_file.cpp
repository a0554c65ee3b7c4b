// libFuzzer target: the bytes as a family file, opened the way the program
// opens one (the reader in its own child process) and then used the way the
// windows use it. Nothing may reach standard output: the command line
// program's output is there.
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "data/family_database.h"
#include "fuzz/family_exercise.h"
#include "fuzz/memory_file.h"
#include "fuzz/reader_child_guard.h"

namespace {

// Standard output goes to a memfd, unbuffered so that a reader child's
// writes arrive even though it never flushes. libFuzzer reports on standard error.
int g_output = -1;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    kinmora::fuzz::ReaderChildGuard::install();
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    g_output = ::memfd_create("kinmora-fuzz-stdout", 0);
    if (g_output < 0 || ::dup2(g_output, STDOUT_FILENO) < 0) std::abort();
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
    struct stat output {};
    if (::fstat(g_output, &output) != 0 || output.st_size != 0) {
        std::fprintf(stderr, "something was printed on standard output\n");
        std::abort();
    }
    if (!file.unchanged()) {
        std::fprintf(stderr, "the family file was changed by reading it\n");
        std::abort();
    }
    return 0;
}
