// Permutation groups of any size: orders, membership, centre.

#include <benchmark/benchmark.h>

#include "core/perm/perm_spec.h"

// Inside the engine's namespace rather than with a using-directive, which
// would leak into the other files of a unity batch.
namespace quorix::perm {

static PermGroupPtr BuildPermGroup(const char* spec) {
    Progress quiet;
    return MakePermGroup(*ReadPermSpec(spec), quiet);
}

static void BM_CubeOrder(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(BuildPermGroup("Rubik")->Order());
}
BENCHMARK(BM_CubeOrder)->Unit(benchmark::kMillisecond);

// 10,000 membership tests: half random positions, half with one edge flipped.
static void BM_CubeMembership10000(benchmark::State& state) {
    const PermGroupPtr cube = BuildPermGroup("Rubik");
    std::vector<Perm> tests = cube->RandomElements(3, 10000);
    const Perm flip = ParseCycles("(7,18)", 48);
    for (std::size_t i = 0; i < tests.size(); i += 2) tests[i] = Multiply(tests[i], flip);
    for (auto _ : state) {
        int members = 0;
        for (const Perm& p : tests) members += cube->Contains(p);
        benchmark::DoNotOptimize(members);
    }
}
BENCHMARK(BM_CubeMembership10000)->Unit(benchmark::kMillisecond);

static void BM_M24Order(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(BuildPermGroup("M24")->Order());
}
BENCHMARK(BM_M24Order)->Unit(benchmark::kMillisecond);

static void BM_S1000Order(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(BuildPermGroup("S1000")->Order());
}
BENCHMARK(BM_S1000Order)->Unit(benchmark::kMillisecond);

static void BM_CubeCentre(benchmark::State& state) {
    const PermGroupPtr cube = BuildPermGroup("Rubik");
    Progress quiet;
    for (auto _ : state) benchmark::DoNotOptimize(cube->CentreOrder(quiet));
}
BENCHMARK(BM_CubeCentre)->Unit(benchmark::kMillisecond);

}  // namespace quorix::perm
