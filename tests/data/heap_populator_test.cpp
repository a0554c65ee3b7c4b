// The heap's pages are made cheap to write without taking memory ahead of
// what is written: a stretch asked for huge pages, the main heap's or a
// thread's, stays unwritten until used.
#include "data/heap_populator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace kinmora {
namespace {

long residentAnonymousKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("RssAnon:", 0) == 0) return std::atol(line.c_str() + 8);
    return -1;
}

TEST(HeapPopulator, MakesPresentNoMoreThanIsWrittenAndAPageOrTwo) {
    const long before = residentAnonymousKb();
    HeapPopulator heap;
    std::vector<void*> blocks;
    for (int i = 0; i < 1024; ++i) {
        blocks.push_back(std::malloc(1024));
        std::memset(blocks.back(), 1, 1024);
        heap.populate();
    }
    const long grown = residentAnonymousKb() - before;
    for (void* block : blocks) std::free(block);
    EXPECT_LT(grown, 6 * 1024) << "KB resident for 1 MB written";

    // A thread's own heap: asking for huge pages makes nothing present.
    long threadGrown = 0;
    std::thread([&] {
        const long threadBefore = residentAnonymousKb();
        HeapPopulator::adviseThreadHeap();
        threadGrown = residentAnonymousKb() - threadBefore;
    }).join();
    EXPECT_LT(threadGrown, 1024) << "KB resident after asking on a thread";
}

}  // namespace
}  // namespace kinmora
