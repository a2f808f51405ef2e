// Cayley diagrams and cycle graphs of groups of order 120: layout and the
// SVG text, as the tool writes them.

#include <benchmark/benchmark.h>

#include "core/diagram/cayley_diagram.h"
#include "core/diagram/cycle_graph.h"
#include "core/group/group_spec.h"

namespace {

using namespace quorix;

// S5 with a 5-cycle, a 4-cycle and a transposition.
std::vector<int> ThreeGenerators(const Group& g) {
    std::vector<int> out;
    for (const char* s : {"23451", "23415", "21345"}) out.push_back(g.positionOf(g.SourceElementIndex(s)));
    return out;
}

void DiagramS5(benchmark::State& state, diagram::Layout layout) {
    const GroupPtr g = MakeGroupFromSpec("S5");
    const std::vector<int> generators = ThreeGenerators(*g);
    for (auto _ : state) {
        const diagram::CayleyDiagram d = diagram::BuildCayleyDiagram(*g, generators, {layout, false});
        benchmark::DoNotOptimize(diagram::ToSvg(d.picture));
    }
}

void BM_DiagramS5ThreeGeneratorsRings(benchmark::State& state) { DiagramS5(state, diagram::Layout::Rings); }
BENCHMARK(BM_DiagramS5ThreeGeneratorsRings)->Unit(benchmark::kMillisecond);

void BM_DiagramS5ThreeGeneratorsGrid(benchmark::State& state) { DiagramS5(state, diagram::Layout::Grid); }
BENCHMARK(BM_DiagramS5ThreeGeneratorsGrid)->Unit(benchmark::kMillisecond);

void BM_DiagramS5ThreeGeneratorsForce(benchmark::State& state) { DiagramS5(state, diagram::Layout::Force); }
BENCHMARK(BM_DiagramS5ThreeGeneratorsForce)->Unit(benchmark::kMillisecond);

// Order 120 with the most maximal cyclic subgroups among the usual ones, and
// with cycles that share elements.
void BM_CycleGraph(benchmark::State& state, const char* spec) {
    const GroupPtr g = MakeGroupFromSpec(spec);
    for (auto _ : state) benchmark::DoNotOptimize(diagram::ToSvg(diagram::BuildCycleGraph(*g).picture));
}
BENCHMARK_CAPTURE(BM_CycleGraph, S5, "S5")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CycleGraph, A5xZ2, "A5xZ2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CycleGraph, Z2xZ6xZ10, "Z2xZ6xZ10")->Unit(benchmark::kMillisecond);

}  // namespace
