// The comparison panel on S5 against a relabelled S5 with the isomorphism
// display opened from its button, and the automorphism panel filled for
// groups of order up to 15, offscreen, each painted once.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QPushButton>
#include <memory>

#include "core/group/group_spec.h"
#include "core/host/host.h"
#include "quiet_host.h"
#include "gui/common/app_context.h"
#include "gui/compare/compare_panels.h"
#include "gui/panels.h"

namespace {

using namespace quorix;
using namespace quorix::gui;

Panel* VisiblePanel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible()) return qobject_cast<Panel*>(w);
    return nullptr;
}

// S5 generated from a 5-cycle and a transposition lists its elements in
// another order than the symmetric-group construction.
void CompareRelabelledS5(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        quorix::bench::BenchProgram program({"S5", "perm:23451,21345"});
        state.ResumeTiming();
        CompareGroupsPanel panel(*program.context);
        panel.show();
        panel.setSlot(1, 1);
        panel.setSlot(2, 2);
        if (!panel.result().isomorphic) state.SkipWithError("not isomorphic");
        panel.isomorphismButton(0)->click();
        Panel* display = VisiblePanel("dlgShowIsomorphism");
        if (!display) state.SkipWithError("no display");
        benchmark::DoNotOptimize(panel.grab());
        benchmark::DoNotOptimize(display->grab());
        state.PauseTiming();
        display->close();
        panel.close();
        state.ResumeTiming();
    }
}
BENCHMARK(CompareRelabelledS5)->Unit(benchmark::kMillisecond);

// The quaternion group as permutations of its 8 elements, among others.
const char* const kSmall[] = {"Z2xZ2xZ2", "perm:23416785,58763214", "Z3xZ3", "A4", "S3xZ2", "Z2xZ6", "Z15", "Z14"};

void FillAutomorphismPanel(benchmark::State& state) {
    const char* spec = kSmall[state.range(0)];
    for (auto _ : state) {
        state.PauseTiming();
        quorix::bench::BenchProgram program({spec});
        state.ResumeTiming();
        AutomorphismGroupsPanel panel(*program.context);
        panel.show();
        panel.setGroup(1);
        benchmark::DoNotOptimize(panel.grab());
        state.PauseTiming();
        panel.close();
        state.ResumeTiming();
    }
    state.SetLabel(spec);
}
BENCHMARK(FillAutomorphismPanel)->DenseRange(0, static_cast<int>(std::size(kSmall)) - 1)->Unit(benchmark::kMillisecond);

}  // namespace
