// kinmora-bench-kinship: how long reading a family for kinship questions
// takes, and how long one question (what B is to A) takes after that.
//
//   kinmora-bench-kinship FILE [benchmark options]
//
// FILE is a family file, e.g. build/bench-families/family-32767.mdb as bench/run
// writes it. A thousand questions are timed together: their time in
// milliseconds is the time of one question in microseconds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <utility>
#include <vector>

#include "data/family_database.h"
#include "kinship/family_graph.h"
#include "kinship/kinship_terms.h"

namespace kinmora::bench {
namespace {

std::unique_ptr<FamilyDatabase> g_database;

void BM_ReadFamily(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(FamilyGraph::read(*g_database).size());
}

// Pairs drawn at random from the whole family (mostly distant blood
// relations in a generated family), or among the persons of the deepest
// generations, whose ways up are the longest.
std::vector<std::pair<int, int>> pairs(const FamilyGraph& graph, bool deepest) {
    std::mt19937 random(7);
    const int from = deepest ? graph.size() - graph.size() / 10 : 0;
    std::vector<int> persons;
    for (int p = 0; p < graph.size(); ++p) persons.push_back(p);
    if (deepest) {
        // Deepest by the number of forebears on the father's line.
        const auto generations = [&graph](int p) {
            int n = 0;
            for (int q = graph.father(p); q != FamilyGraph::kNobody && n < 64; q = graph.father(q))
                ++n;
            return n;
        };
        std::stable_sort(persons.begin(), persons.end(),
                         [&](int a, int b) { return generations(a) < generations(b); });
    }
    std::uniform_int_distribution<int> pick(from, graph.size() - 1);
    std::vector<std::pair<int, int>> result;
    for (int i = 0; i < 1000; ++i)
        result.emplace_back(persons[pick(random)], persons[pick(random)]);
    return result;
}

void termOfPairs(benchmark::State& state, bool deepest) {
    const FamilyGraph graph = FamilyGraph::read(*g_database);
    const KinshipTerms terms(graph);
    const std::vector<std::pair<int, int>> asked = pairs(graph, deepest);
    for (auto _ : state)
        for (const auto& [a, b] : asked) benchmark::DoNotOptimize(terms.term(a, b));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * asked.size()));
}

void BM_TermRandomPairs(benchmark::State& state) {
    termOfPairs(state, false);
}
void BM_TermDeepestPairs(benchmark::State& state) {
    termOfPairs(state, true);
}

}  // namespace
}  // namespace kinmora::bench

int main(int argc, char* argv[]) {
    using namespace kinmora::bench;
    if (argc < 2) {
        std::fprintf(stderr, "usage: kinmora-bench-kinship FILE [benchmark options]\n");
        return 2;
    }
    g_database = kinmora::FamilyDatabase::open(QString::fromLocal8Bit(argv[1]));
    benchmark::RegisterBenchmark("read_family", BM_ReadFamily)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("term_1000_random_pairs", BM_TermRandomPairs)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("term_1000_deepest_pairs", BM_TermDeepestPairs)
        ->Unit(benchmark::kMillisecond);
    argv[1] = argv[0];
    int rest = argc - 1;
    benchmark::Initialize(&rest, argv + 1);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_database.reset();
    return 0;
}
