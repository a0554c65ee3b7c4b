// glibc's heap grows at the program break and keeps a freed block at its top
// unless that block passes the trim threshold. A large block taken and freed
// at once leaves the heap's next stretch mapped but never written, which is
// what the kernel needs to give it huge pages. Where the kernel cannot make
// pages present in bulk (before Linux 5.14), nothing changes.
#include "data/heap_populator.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace kinmora {
namespace {

constexpr std::uintptr_t kPage = 4096;
constexpr std::uintptr_t kHugePage = std::uintptr_t{1} << 21;
// The stretch asked for huge pages at a time: with 30 MB, the peak resident
// size of a 32,767-person family with long biographies was 2 MB higher.
constexpr std::size_t kStretch = std::size_t{16} << 20;
// A thread's own heap: the sort keys of 32,767 names take about 4 MB.
constexpr std::size_t kThreadStretch = std::size_t{6} << 20;
#ifndef MADV_POPULATE_WRITE
constexpr int MADV_POPULATE_WRITE = 23;
#endif

// Whether the kernel gives huge pages to a range that asks ("[madvise]") or
// to every range ("[always]").
bool hugePagesOnRequest() {
    static const bool onRequest = [] {
        std::ifstream file("/sys/kernel/mm/transparent_hugepage/enabled");
        std::string setting;
        std::getline(file, setting);
        return setting.find("[always]") != std::string::npos ||
               setting.find("[madvise]") != std::string::npos;
    }();
    return onRequest;
}

// Takes and frees a block of `size` bytes, which then stays at the top of the
// calling thread's heap, and asks for huge pages under it. Returns whether
// the kernel agreed.
bool adviseNextStretch(std::size_t size = kStretch) {
    void* block = std::malloc(size);
    if (!block) return false;
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t from = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t to = (start + size) & ~(kHugePage - 1);
    const bool advised = madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE) == 0;
    std::free(block);
    return advised;
}

}  // namespace

HeapPopulator::HeapPopulator(std::size_t step) {
    mallopt(M_MMAP_THRESHOLD, 32 << 20);  // large blocks too come from the heap
    mallopt(M_TOP_PAD, static_cast<int>(step));
    const bool hugePages = hugePagesOnRequest();
    // A stretch asked for huge pages must stay at the top, not be trimmed.
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(hugePages ? 2 * kStretch : 4 * step));
    m_hugePages = hugePages && adviseNextStretch();
    if (hugePages && !m_hugePages) mallopt(M_TRIM_THRESHOLD, static_cast<int>(4 * step));
    m_present = static_cast<char*>(sbrk(0));
}

void HeapPopulator::adviseThreadHeap() {
    if (hugePagesOnRequest()) adviseNextStretch(kThreadStretch);
}

void HeapPopulator::populate() {
    char* end = static_cast<char*>(sbrk(0));
    if (end <= m_present) return;
    if (m_hugePages) {
        // Huge pages come one fault per 2 MB as they are written; making the
        // stretch present would take memory the family may never need. The
        // heap has grown past it: ask for the next one.
        adviseNextStretch();
        m_present = static_cast<char*>(sbrk(0));
        return;
    }
    const auto from = reinterpret_cast<std::uintptr_t>(m_present) & ~(kPage - 1);
    madvise(reinterpret_cast<void*>(from), reinterpret_cast<std::uintptr_t>(end) - from,
            MADV_POPULATE_WRITE);
    m_present = end;
}

}  // namespace kinmora
