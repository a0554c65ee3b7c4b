// glibc's heap grows at the program break; the pages between the old break
// and the new one are what the next allocations will write. Where the kernel
// cannot make pages present in bulk (before Linux 5.14), nothing changes.
#include "data/heap_populator.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace kinmora {
namespace {

constexpr std::uintptr_t kPage = 4096;
#ifndef MADV_POPULATE_WRITE
constexpr int MADV_POPULATE_WRITE = 23;
#endif

}  // namespace

HeapPopulator::HeapPopulator(std::size_t step) {
    mallopt(M_TOP_PAD, static_cast<int>(step));
    mallopt(M_MMAP_THRESHOLD, 32 << 20);  // large blocks too come from the heap
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(4 * step));
    m_present = static_cast<char*>(sbrk(0));
}

void HeapPopulator::populate() {
    char* end = static_cast<char*>(sbrk(0));
    if (end <= m_present) return;
    const auto from = reinterpret_cast<std::uintptr_t>(m_present) & ~(kPage - 1);
    madvise(reinterpret_cast<void*>(from), reinterpret_cast<std::uintptr_t>(end) - from,
            MADV_POPULATE_WRITE);
    m_present = end;
}

}  // namespace kinmora
