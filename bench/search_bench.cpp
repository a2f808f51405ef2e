// The Cayley-table search: a whole search (Get Next Solution pressed until
// the end, Trace off) per order, and the search with the full fill passes.

#include <benchmark/benchmark.h>

#include "core/search/cayley_search.h"
#include "core/search/search_run.h"

namespace {

// Get Next Solution pressed until the end of the solutions.
void runToTheEnd(quorix::CayleySearch& s) {
    quorix::SearchRun run(s);
    quorix::Progress progress;
    while (run.Start()) {
        const quorix::SearchOutcome outcome = run.Run(progress);
        if (outcome == quorix::SearchOutcome::Refused) continue;
        if (outcome != quorix::SearchOutcome::Solution && outcome != quorix::SearchOutcome::OverLimit) break;
        run.SolutionShown();
    }
}

void runSearch(benchmark::State& state, quorix::CayleySearch::FillEngine engine) {
    const int n = static_cast<int>(state.range(0));
    long long trials = 0;
    for (auto _ : state) {
        quorix::CayleySearch s;
        s.SetFillEngine(engine);
        s.SetSearchOrder(n);
        runToTheEnd(s);
        trials = s.Stats().trials;
        benchmark::DoNotOptimize(s.SolutionCount());
    }
    state.counters["trials"] = static_cast<double>(trials);
}

void BM_Search(benchmark::State& state) { runSearch(state, quorix::CayleySearch::FillEngine::Automatic); }
void BM_SearchFullPasses(benchmark::State& state) { runSearch(state, quorix::CayleySearch::FillEngine::Literal); }

void BM_SearchAllOrders(benchmark::State& state) {
    for (auto _ : state)
        for (int n = 1; n <= 20; ++n) {
            quorix::CayleySearch s;
            s.SetSearchOrder(n);
            runToTheEnd(s);
            benchmark::DoNotOptimize(s.SolutionCount());
        }
}

}  // namespace

BENCHMARK(BM_Search)->Arg(8)->Arg(12)->Arg(16)->Arg(18)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchFullPasses)->Arg(8)->Arg(12)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchAllOrders)->Unit(benchmark::kMillisecond)->Iterations(2);
