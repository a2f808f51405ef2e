// Panels of large groups, offscreen: the group display's colour grid (opened,
// and painted zoomed in to the names), a 20,000-line text panel, and the
// Cayley diagram and cycle graph drawn in the layout their panels choose
// (built, put in a scene and painted once). A group the engine cannot build
// yet is skipped with its message.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>

#include "core/diagram/cayley_diagram.h"
#include "core/diagram/cycle_graph.h"
#include "core/group/group_spec.h"
#include "gui/common/text_panel.h"
#include "gui/diagram/diagram_panels.h"
#include "gui/diagram/diagram_scene.h"
#include "gui/display/show_group_panel.h"
#include "gui/display/table_grid.h"
#include "quiet_host.h"

namespace {

using namespace quorix;
using namespace quorix::gui;

const char* const kLargeSpecs[] = {"D60", "S5", "Z120", "GL(2,5)", "S6", "S7", "PSL(2,7)", "SL(2,7)", "A6"};
constexpr int kLastLarge = static_cast<int>(std::size(kLargeSpecs)) - 1;

GroupPtr Build(benchmark::State& state) {
    const char* spec = kLargeSpecs[state.range(0)];
    state.SetLabel(spec);
    try {
        return MakeGroupFromSpec(spec);
    } catch (const InvalidArgument& e) {
        state.SkipWithError(e.what());
        return nullptr;
    }
}

void BM_ShowGroupColourGrid(benchmark::State& state) {
    const GroupPtr g = Build(state);
    if (!g) return;
    for (auto _ : state) {
        state.PauseTiming();
        bench::BenchProgram program({});
        program.context->groups.RegisterGroup(g, g->GroupID());
        PanelInput input;
        input.group = g;
        state.ResumeTiming();
        ShowGroupPanel panel(*program.context, input);
        panel.show();
        benchmark::DoNotOptimize(panel.grab());
        state.PauseTiming();
        panel.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShowGroupColourGrid)->DenseRange(0, kLastLarge)->Unit(benchmark::kMillisecond);

// One repaint of the grid view zoomed in until the names show, in the
// middle of the table.
void BM_ColourGridPaintNames(benchmark::State& state) {
    const GroupPtr g = Build(state);
    if (!g) return;
    TableGridView view;
    view.resize(600, 500);
    view.setGrid(std::make_shared<const TableGrid>(*g, false, std::nullopt));
    view.setCellPixels(view.namePixels());
    view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum() / 2);
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum() / 2);
    view.show();
    for (auto _ : state) benchmark::DoNotOptimize(view.viewport()->grab());
}
BENCHMARK(BM_ColourGridPaintNames)->DenseRange(0, kLastLarge)->Unit(benchmark::kMillisecond);

// The 20,000 lines of a long listing.
class ListingPanel : public TextPanel {
public:
    explicit ListingPanel(AppContext& context) : TextPanel(context, QStringLiteral("dlgListing"), "Listing") {}
    std::vector<std::string> lines(bool) override {
        std::vector<std::string> out;
        for (int i = 1; i <= 20000; ++i) out.push_back("x|@" + std::to_string(i) + "| = (1,2,3)(4,5)");
        return out;
    }
};

void BM_TextPanel20000Lines(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        bench::BenchProgram program({});
        state.ResumeTiming();
        ListingPanel panel(*program.context);
        panel.refresh();
        panel.show();
        benchmark::DoNotOptimize(panel.grab());
        state.PauseTiming();
        panel.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TextPanel20000Lines)->Unit(benchmark::kMillisecond);

void Draw(const diagram::Picture& picture) {
    DiagramScene scene;
    scene.setPicture(picture);
    DiagramView view;
    view.resize(580, 510);
    view.setScene(&scene);
    view.show();
    benchmark::DoNotOptimize(view.viewport()->grab());
}

void BM_CayleyDiagramChosenLayout(benchmark::State& state) {
    const GroupPtr g = Build(state);
    if (!g) return;
    const std::vector<int> generators = diagram::SmallGeneratingSet(*g);
    const diagram::Layout layout = CayleyDiagramLayoutFor(*g, diagram::Layout::Force);
    for (auto _ : state) Draw(diagram::BuildCayleyDiagram(*g, generators, {layout, false}).picture);
}
BENCHMARK(BM_CayleyDiagramChosenLayout)->DenseRange(0, kLastLarge)->Unit(benchmark::kMillisecond);

// The cycle graph panel opened and painted (past its size, its note).
void BM_CycleGraphPanel(benchmark::State& state) {
    const GroupPtr g = Build(state);
    if (!g) return;
    for (auto _ : state) {
        state.PauseTiming();
        bench::BenchProgram program({});
        state.ResumeTiming();
        CycleGraphPanel panel(*program.context, g);
        panel.show();
        benchmark::DoNotOptimize(panel.grab());
        state.PauseTiming();
        panel.close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CycleGraphPanel)->DenseRange(0, kLastLarge)->Unit(benchmark::kMillisecond);

}  // namespace
