// Makes the pages a family's rows are written to cheap to take. On a virtual
// machine a page taken by a fault costs about 10 µs, and reading a family of
// 32,767 persons writes some 25 MB. Where the kernel gives huge pages on
// request, the heap's next stretch is asked for them before anything is
// written there, so it takes one fault per 2 MB. Elsewhere the pages the
// heap has grown by are made present in one call each time.
#pragma once

#include <cstddef>

namespace kinmora {

class HeapPopulator {
public:
    // Lets the heap grow in steps of `step` bytes and keep what is freed,
    // so that the pages made present are used again.
    explicit HeapPopulator(std::size_t step = std::size_t{1} << 19);
    // Makes present the pages the heap has grown by since the last call.
    // Cheap when it has not grown; call it often while allocating.
    void populate();
    // For a thread that allocates much while the heap's settings stand:
    // asks for huge pages under the next stretch of the calling thread's own
    // heap, where the kernel gives them on request. Call it on that thread
    // before it allocates.
    static void adviseThreadHeap();

private:
    bool m_hugePages = false;
    char* m_present = nullptr;  // the heap's end when last populated or asked for huge pages
};

}  // namespace kinmora
