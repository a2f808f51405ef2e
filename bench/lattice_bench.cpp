// Subgroup lattice with layout, its SVG, and catalogue identification once
// the search of the order has run.

#include <benchmark/benchmark.h>

#include "core/catalogue/catalogue.h"
#include "core/group/group_spec.h"
#include "core/lattice/lattice.h"

namespace {

using namespace quorix;

void BM_LatticeS5(benchmark::State& state) {
    const GroupPtr g = MakeGroupFromSpec("S5");
    Progress progress;
    for (auto _ : state) benchmark::DoNotOptimize(lattice::BuildLattice(*g, lattice::View::Subgroups, progress));
}
BENCHMARK(BM_LatticeS5)->Unit(benchmark::kMillisecond);

void BM_LatticeClassesC2to6(benchmark::State& state) {
    const GroupPtr g = MakeGroupFromSpec("Z2xZ2xZ2xZ2xZ2xZ2");
    Progress progress;
    for (auto _ : state) benchmark::DoNotOptimize(lattice::BuildLattice(*g, lattice::View::ClassesOnly, progress));
}
BENCHMARK(BM_LatticeClassesC2to6)->Unit(benchmark::kMillisecond);

// The classes view the lattice panel opens for groups of many subgroups.
void BM_LatticeClasses(benchmark::State& state, const char* spec) {
    const GroupPtr g = MakeGroupFromSpec(spec);
    Progress progress;
    for (auto _ : state) benchmark::DoNotOptimize(lattice::BuildLattice(*g, lattice::View::ClassesOnly, progress));
}
BENCHMARK_CAPTURE(BM_LatticeClasses, PSL27, "PSL(2,7)")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LatticeClasses, S7, "S7")->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_LatticeSvgS5(benchmark::State& state) {
    const GroupPtr g = MakeGroupFromSpec("S5");
    Progress progress;
    Catalogue catalogue;
    lattice::Lattice lat = lattice::BuildLattice(*g, lattice::View::Subgroups, progress);
    lattice::NameNodes(lat, g, catalogue, progress);
    for (auto _ : state) benchmark::DoNotOptimize(lattice::ToSvg(lat, *g, "S5"));
}
BENCHMARK(BM_LatticeSvgS5)->Unit(benchmark::kMillisecond);

// Identification after the first search of the order (the slowest order, 16).
void BM_IdentifyOrder16(benchmark::State& state) {
    Catalogue catalogue;
    Progress progress;
    const GroupPtr g = MakeGroupFromSpec("Z2xZ2xZ4");
    catalogue.Identify(*g, progress);
    for (auto _ : state) benchmark::DoNotOptimize(catalogue.Identify(*g, progress));
}
BENCHMARK(BM_IdentifyOrder16)->Unit(benchmark::kMicrosecond);

void BM_NameNodesS5(benchmark::State& state) {
    const GroupPtr g = MakeGroupFromSpec("S5");
    Progress progress;
    Catalogue catalogue;
    lattice::Lattice lat = lattice::BuildLattice(*g, lattice::View::Subgroups, progress);
    lattice::NameNodes(lat, g, catalogue, progress);
    for (auto _ : state) lattice::NameNodes(lat, g, catalogue, progress);
}
BENCHMARK(BM_NameNodesS5)->Unit(benchmark::kMillisecond);

}  // namespace
