// Comparison engine timings: isomorphism and homomorphism search, and the
// automorphism enumeration with its marking.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include "core/compare/automorphisms.h"
#include "core/compare/homomorphism.h"
#include "core/group/group_spec.h"

namespace {

using namespace quorix;

// S5 with its non-identity elements shuffled, as a Cayley-table-free copy.
MultiplicationTable Shuffled(const MultiplicationTable& t, unsigned seed) {
    std::vector<int> newOf(static_cast<std::size_t>(t.n + 1));
    for (int i = 0; i <= t.n; ++i) newOf[static_cast<std::size_t>(i)] = i;
    std::mt19937 rng(seed);
    std::shuffle(newOf.begin() + 2, newOf.end(), rng);
    std::vector<std::vector<int>> p(static_cast<std::size_t>(t.n), std::vector<int>(static_cast<std::size_t>(t.n)));
    for (int a = 1; a <= t.n; ++a)
        for (int b = 1; b <= t.n; ++b)
            p[static_cast<std::size_t>(newOf[static_cast<std::size_t>(a)] - 1)]
             [static_cast<std::size_t>(newOf[static_cast<std::size_t>(b)] - 1)] =
                 newOf[static_cast<std::size_t>(t.Product(a, b))];
    return MultiplicationTable::FromProducts(p);
}

void BM_IsomorphismS5Relabelled(benchmark::State& state) {
    auto s5 = MakeGroupFromSpec("S5");
    auto a = MultiplicationTable::FromGroup(*s5);
    auto b = Shuffled(a, static_cast<unsigned>(state.range(0)));
    for (auto _ : state) {
        HomomorphismSearch s;
        s.Start(a, b);
        benchmark::DoNotOptimize(s.Next());
    }
}
BENCHMARK(BM_IsomorphismS5Relabelled)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_HomomorphismS4OntoS3(benchmark::State& state) {
    auto s4 = MakeGroupFromSpec("S4"), s3 = MakeGroupFromSpec("S3");
    for (auto _ : state) {
        std::string text;
        SharedHomomorphism shared;
        benchmark::DoNotOptimize(FindHomomorphism(shared, *s4, *s3, text, false));
    }
}
BENCHMARK(BM_HomomorphismS4OntoS3)->Unit(benchmark::kMillisecond);

void BM_AllAutomorphisms(benchmark::State& state, const char* spec) {
    auto g = MakeGroupFromSpec(spec);
    for (auto _ : state) benchmark::DoNotOptimize(ComputeAutomorphisms(*g).Count());
}
BENCHMARK_CAPTURE(BM_AllAutomorphisms, Z2xZ2xZ2, "Z2xZ2xZ2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AllAutomorphisms, S3xZ2, "S3xZ2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AllAutomorphisms, Z15, "Z15")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AllAutomorphisms, A4, "A4")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AllAutomorphisms, Z2xZ6, "Z2xZ6")->Unit(benchmark::kMillisecond);

void BM_AllAutomorphismsS5(benchmark::State& state) {
    auto s5 = MultiplicationTable::FromGroup(*MakeGroupFromSpec("S5"));
    for (auto _ : state) {
        HomomorphismSearch s;
        s.Start(s5, s5);
        int n = 0;
        while (s.Next()) ++n;
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_AllAutomorphismsS5)->Unit(benchmark::kMillisecond);

}  // namespace

#include <cstdio>

#include "core/display/views.h"
#include "core/workbench/workbench.h"
#include "core/search/cayley_search.h"
#include "core/search/search_run.h"

namespace {

// The Summary View of order 16 with the default components, the solutions
// found once beforehand (the search itself is measured with the search).
void BM_SummaryViewOrder16(benchmark::State& state) {
    static std::vector<SummarySolution> solutions = [] {
        std::vector<SummarySolution> out;
        CayleySearch s;
        s.SetSearchOrder(16);
        SearchRun run(s);
        Progress progress;
        while (run.Start() && run.Run(progress) == SearchOutcome::Solution) run.SolutionShown();
        for (int slot = 1; slot <= s.SolutionCount(); ++slot)
            out.push_back({s.Solution(slot), s.SolutionIsomorph(slot)});
        return out;
    }();
    const std::string path = "/tmp/quorix_bench_summary16.html";
    Workbench bench;
    const ViewOptions o = bench.MakeViewOptions(DefaultViewComponents(ViewKind::Summary), {});
    for (auto _ : state) {
        std::remove(path.c_str());
        benchmark::DoNotOptimize(WriteSummaryView(16, solutions, path, o).complete);
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_SummaryViewOrder16)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
