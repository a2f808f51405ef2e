// Ring enumeration timings: every abelian group of order 15 or less, each
// abelian group of order 16, and how long a stop request waits on C2^4.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "core/rings/rings.h"

namespace {

using namespace quorix;
using Clock = std::chrono::steady_clock;

void BM_RingsUpToOrder15(benchmark::State& state) {
    std::vector<GroupPtr> groups;
    for (int n = 1; n <= 15; ++n)
        for (auto& g : AbelianGroupsOfOrder(n)) groups.push_back(g);
    for (auto _ : state) {
        std::size_t total = 0;
        for (const auto& g : groups) {
            Progress progress;
            total += FindAssociativeRings(*g, progress).rings.size();
        }
        if (total != 125) state.SkipWithError("wrong total");
    }
}
BENCHMARK(BM_RingsUpToOrder15)->Unit(benchmark::kMillisecond);

// Arg: which abelian group of order 16 (0 = Z16 ... 4 = C2^4).
void BM_RingsOrder16(benchmark::State& state) {
    const auto g = AbelianGroupsOfOrder(16)[static_cast<std::size_t>(state.range(0))];
    std::size_t count = 0;
    for (auto _ : state) {
        Progress progress;
        count = FindAssociativeRings(*g, progress).rings.size();
    }
    state.counters["rings"] = static_cast<double>(count);
}
BENCHMARK(BM_RingsOrder16)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->Iterations(1);

// The longest gap between two yields on C2^4 (what Halt waits at most), in ms.
void BM_RingsYieldGapC2x4(benchmark::State& state) {
    const auto g = AbelianGroupsOfOrder(16).back();
    double longest = 0;
    for (auto _ : state) {
        auto last = Clock::now();
        Progress progress([&] {
            const auto now = Clock::now();
            longest = std::max(longest, std::chrono::duration<double, std::milli>(now - last).count());
            last = now;
        });
        benchmark::DoNotOptimize(FindAssociativeRings(*g, progress));
    }
    state.counters["longest_gap_ms"] = longest;
}
BENCHMARK(BM_RingsYieldGapC2x4)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
