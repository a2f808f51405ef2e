// Writing the largest diagram pictures as PNG files, offscreen: the cycle
// graph of Z2 x A5 (a picture of 9,300 pixels a side before it is scaled)
// and the Cayley diagram of Z120 for 40 generators (4,800 long edges).

#include <benchmark/benchmark.h>

#include <QString>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "core/diagram/cayley_diagram.h"
#include "core/diagram/cycle_graph.h"
#include "core/group/group_spec.h"
#include "gui/diagram/diagram_scene.h"

namespace {

using namespace quorix;

diagram::Picture Largest(int which) {
    if (which == 0) return diagram::BuildCycleGraph(*MakeGroupFromSpec("Z2xA5")).picture;
    const GroupPtr g = MakeGroupFromSpec("Z120");
    std::vector<int> generators;
    for (int k = 1; k <= 40; ++k) generators.push_back(g->positionOf(1 + k));
    return diagram::BuildCayleyDiagram(*g, generators, {}).picture;
}

void WriteDiagramPng(benchmark::State& state) {
    const diagram::Picture picture = Largest(static_cast<int>(state.range(0)));
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("picture.png"));
    for (auto _ : state) benchmark::DoNotOptimize(gui::SavePicturePng(picture, file));
    state.SetLabel(state.range(0) == 0 ? "cycle graph of Z2xA5" : "Cayley diagram of Z120, 40 generators");
}

}  // namespace

BENCHMARK(WriteDiagramPng)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(2);
