// Structure analysis: subgroup list with normality, composition series,
// conjugacy classes, and the one-pass facts over every group the
// descriptions can build up to order 120.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/analysis/composition_series.h"
#include "core/analysis/conjugacy_classes.h"
#include "core/analysis/facts.h"
#include "core/analysis/subgroups.h"
#include "core/group/group_spec.h"
#include "buildable_specs.h"

namespace {

using namespace quorix;

void BM_SubgroupsOfS5WithNormality(benchmark::State& state) {
    Progress progress;
    GroupPtr g = MakeGroupFromSpec("S5");
    for (auto _ : state) {
        SubgroupLogic logic;  // a fresh list: no cached result
        logic.FindAllSubgroups(g, progress);
        int normal = 0;
        for (int s = 1; s <= logic.SubgroupCount(); ++s) normal += IsNormalSubgroup(*g, *logic.Subgroup(s)) ? 1 : 0;
        benchmark::DoNotOptimize(normal);
    }
}
BENCHMARK(BM_SubgroupsOfS5WithNormality)->Unit(benchmark::kMillisecond);

void BM_CompositionSeriesOfS5(benchmark::State& state) {
    Progress progress;
    GroupPtr g = MakeGroupFromSpec("S5");
    for (auto _ : state) {
        CompositionSeries s = BuildCompositionSeries(g, progress);
        benchmark::DoNotOptimize(s.solvable);
    }
}
BENCHMARK(BM_CompositionSeriesOfS5)->Unit(benchmark::kMillisecond);

void BM_ConjugacyClassesOrder120(benchmark::State& state, const char* spec, bool original) {
    Progress progress;
    GroupPtr g = MakeGroupFromSpec(spec);
    for (auto _ : state) {
        ConjugacyClasses c = ComputeConjugacyClasses(*g, original, progress);
        benchmark::DoNotOptimize(c.classes.size());
    }
}
BENCHMARK_CAPTURE(BM_ConjugacyClassesOrder120, S5_reductive, "S5", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ConjugacyClassesOrder120, S5_original, "S5", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ConjugacyClassesOrder120, Z2xA5, "Z2xA5", false)->Unit(benchmark::kMillisecond);

void BM_SubgroupConjugacyClassesOfS5(benchmark::State& state) {
    Progress progress;
    GroupPtr g = MakeGroupFromSpec("S5");
    SubgroupLogic logic;
    logic.FindAllSubgroups(g, progress);
    for (auto _ : state) {
        SubgroupClasses c = ComputeSubgroupConjugacyClasses(*g, logic.Memberships(), progress);
        benchmark::DoNotOptimize(c.classes.size());
    }
}
BENCHMARK(BM_SubgroupConjugacyClassesOfS5)->Unit(benchmark::kMillisecond);

void BM_FactsOfElementaryAbelian64(benchmark::State& state) {
    Progress progress;
    GroupPtr g = MakeGroupFromSpec("Z2xZ2xZ2xZ2xZ2xZ2");
    for (auto _ : state) benchmark::DoNotOptimize(ComputeGroupFacts(g).subgroups);
}
BENCHMARK(BM_FactsOfElementaryAbelian64)->Unit(benchmark::kMillisecond);

// Building the groups is included: this is what `facts` does for them.
void BM_FactsOfAllBuildableGroups(benchmark::State& state) {
    Progress progress;
    const std::vector<std::string> specs = quorix::bench::BuildableSpecs();
    for (auto _ : state) {
        long total = 0;
        for (const std::string& s : specs) total += ComputeGroupFacts(MakeGroupFromSpec(s)).subgroups;
        benchmark::DoNotOptimize(total);
    }
    state.counters["groups"] = static_cast<double>(specs.size());
}
BENCHMARK(BM_FactsOfAllBuildableGroups)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

// Groups past 120 elements. Figures of a research system on this machine:
// all 1,455 subgroups of S6 with normality 0.56 s; the 96 subgroup classes of
// S7 0.72 s (goal: half of each).
void BM_SubgroupsWithNormality(benchmark::State& state, const char* spec) {
    Progress progress;
    GroupPtr g = MakeGroupFromSpec(spec);
    for (auto _ : state) {
        const SubgroupClassSummaries c = EnumerateSubgroupClasses(*g, progress, true);
        int normal = 0;
        for (const SubgroupClassSummary& k : c.classes) normal += k.Normal() ? 1 : 0;
        benchmark::DoNotOptimize(normal + static_cast<int>(c.subgroups.size()));
    }
}
BENCHMARK_CAPTURE(BM_SubgroupsWithNormality, S6, "S6")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SubgroupsWithNormality, A7, "A7")->Unit(benchmark::kMillisecond);

void BM_SubgroupClassesOfS7(benchmark::State& state) {
    Progress progress;
    GroupPtr g = MakeGroupFromSpec("S7");
    for (auto _ : state) benchmark::DoNotOptimize(EnumerateSubgroupClasses(*g, progress).classes.size());
}
BENCHMARK(BM_SubgroupClassesOfS7)->Unit(benchmark::kMillisecond);

// Goal: under a tenth of the research system's time (aim: well under 10 ms).
BENCHMARK_CAPTURE(BM_ConjugacyClassesOrder120, S7_reductive, "S7", false)->Unit(benchmark::kMillisecond);

void BM_FactsOf(benchmark::State& state, const char* spec) {
    GroupPtr g = MakeGroupFromSpec(spec);
    for (auto _ : state) benchmark::DoNotOptimize(ComputeGroupFacts(g).subgroups);
}
BENCHMARK_CAPTURE(BM_FactsOf, S7, "S7")->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_FactsOf, A7, "A7")->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_FactsOf, PSL_2_7, "PSL(2,7)")->Unit(benchmark::kMillisecond)->Iterations(1);
