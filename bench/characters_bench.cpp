// Character tables and Sylow subgroups: S5, SL(2,5) (when the SPECs build
// it), every buildable group of order 120, and the slowest Sylow run over
// every buildable group.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "buildable_specs.h"
#include "core/characters/character_table.h"
#include "core/characters/sylow.h"
#include "core/group/group_spec.h"

namespace {

using namespace quorix;

void BM_CharacterTable(benchmark::State& state, const char* spec) {
    GroupPtr g;
    try {
        g = MakeGroupFromSpec(spec);
    } catch (const InvalidArgument&) {
        state.SkipWithError((std::string(spec) + " is not a SPEC the tool builds").c_str());
        return;
    }
    Progress progress;
    for (auto _ : state) benchmark::DoNotOptimize(ComputeCharacterTable(*g, progress).characters.size());
}
BENCHMARK_CAPTURE(BM_CharacterTable, S5, "S5")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CharacterTable, SL25, "SL(2,5)")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CharacterTable, Z2xA5, "Z2xA5")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CharacterTable, Z120, "Z120")->Unit(benchmark::kMillisecond);
// A research system on this machine: S7 0.10 s (goal: a fifth, 20 ms).
BENCHMARK_CAPTURE(BM_CharacterTable, S7, "S7")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CharacterTable, PSL219, "PSL(2,19)")->Unit(benchmark::kMillisecond);

void BM_SylowOf(benchmark::State& state, const char* spec) {
    GroupPtr g = MakeGroupFromSpec(spec);
    Progress progress;
    for (auto _ : state) benchmark::DoNotOptimize(ComputeSylowSubgroups(*g, progress, true).primes.size());
}
BENCHMARK_CAPTURE(BM_SylowOf, S7, "S7")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SylowOf, GL27, "GL(2,7)")->Unit(benchmark::kMillisecond);

// Every group of order 120 the SPECs build, with dihedral and quaternion
// factors as permutation groups; the groups are built outside the timing.
void BM_CharacterTablesOfOrder120(benchmark::State& state) {
    std::vector<std::string> specs;
    for (const std::string& s : bench::BuildableSpecs())
        if (MakeGroupFromSpec(s)->order() == 120) specs.push_back(s);
    const std::string d4 = "perm:1234,2341,4321", q8 = "perm:12345678,25836147,34567812";
    for (const std::string& extra :
         std::vector<std::string>{d4 + "xZ15", q8 + "xZ15", d4 + "xZ3xZ5", "SL(2,5)", "D60", "Dic30"})
        try {
            if (MakeGroupFromSpec(extra)->order() == 120) specs.push_back(extra);
        } catch (const InvalidArgument&) {}
    std::vector<GroupPtr> groups;
    for (const std::string& s : specs) groups.push_back(MakeGroupFromSpec(s));
    Progress progress;
    for (auto _ : state) {
        std::size_t total = 0;
        for (const GroupPtr& g : groups) total += ComputeCharacterTable(*g, progress).characters.size();
        benchmark::DoNotOptimize(total);
    }
    state.counters["groups"] = static_cast<double>(groups.size());
}
BENCHMARK(BM_CharacterTablesOfOrder120)->Unit(benchmark::kMillisecond);

// All buildable groups; max_ms is the slowest single group, each timed as
// the best of three runs (the machine's other work kept out).
void BM_SylowOfAllBuildableGroups(benchmark::State& state) {
    std::vector<GroupPtr> groups;
    for (const std::string& s : bench::BuildableSpecs()) groups.push_back(MakeGroupFromSpec(s));
    double slowest = 0;
    for (auto _ : state)
        for (const GroupPtr& g : groups) {
            double best = 1e9;
            for (int run = 0; run < 3; ++run) {
                const auto start = std::chrono::steady_clock::now();
                Progress progress;
                benchmark::DoNotOptimize(ComputeSylowSubgroups(*g, progress, true).primes.size());
                best = std::min(
                    best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            }
            slowest = std::max(slowest, best);
        }
    state.counters["groups"] = static_cast<double>(groups.size());
    state.counters["max_ms"] = slowest;
}
BENCHMARK(BM_SylowOfAllBuildableGroups)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
