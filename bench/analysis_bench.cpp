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
#include "core/group/math_functions.h"

namespace {

using namespace quorix;

// Cyclic, unit, symmetric and alternating groups, and direct products of two
// or more small factors, all of order at most 120.
std::vector<std::string> BuildableSpecs() {
    std::vector<std::string> specs;
    for (int n = 1; n <= 120; ++n) specs.push_back("Z" + std::to_string(n));
    for (int n = 3; n <= 1000; ++n)
        if (MathFunctions::EulerPhi(n) <= 120) specs.push_back("U" + std::to_string(n));
    for (int d = 1; d <= 5; ++d) {
        specs.push_back("S" + std::to_string(d));
        specs.push_back("A" + std::to_string(d));
    }
    struct Atom {
        std::string spec;
        int order;
    };
    std::vector<Atom> atoms;
    for (int n = 2; n <= 60; ++n) atoms.push_back({"Z" + std::to_string(n), n});
    atoms.push_back({"S3", 6});
    atoms.push_back({"A4", 12});
    atoms.push_back({"S4", 24});
    atoms.push_back({"A5", 60});
    atoms.push_back({"U8", 4});
    atoms.push_back({"U15", 8});
    for (std::size_t i = 0; i < atoms.size(); ++i)
        for (std::size_t j = i; j < atoms.size(); ++j)
            if (atoms[i].order * atoms[j].order <= 120) specs.push_back(atoms[i].spec + "x" + atoms[j].spec);
    for (const char* s :
         {"Z2xZ2xZ2",       "Z2xZ2xZ2xZ2",       "Z2xZ2xZ2xZ2xZ2", "Z2xZ2xZ2xZ2xZ2xZ2", "Z2xZ2xZ2xZ3", "Z2xZ2xZ2xZ2xZ3",
          "Z2xZ2xZ2xZ2xZ6", "Z2xZ2xZ2xZ2xZ2xZ3", "Z2xZ2xZ2xZ5",    "Z2xZ2xZ2xZ15",      "Z3xZ3xZ3",    "Z3xZ3xZ3xZ2",
          "Z3xZ3xZ3xZ4",    "Z4xZ4xZ4",          "Z2xZ2xS3",       "Z2xZ2xA4",          "Z2xZ2xZ2xS3", "Z2xS3xS3",
          "Z2xZ2xS4",       "Z2xZ2xZ2xA4",       "S3xS3xZ3"})
        specs.push_back(s);
    return specs;
}

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
    const std::vector<std::string> specs = BuildableSpecs();
    for (auto _ : state) {
        long total = 0;
        for (const std::string& s : specs) total += ComputeGroupFacts(MakeGroupFromSpec(s)).subgroups;
        benchmark::DoNotOptimize(total);
    }
    state.counters["groups"] = static_cast<double>(specs.size());
}
BENCHMARK(BM_FactsOfAllBuildableGroups)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
