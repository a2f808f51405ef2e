// Opening the group display and the structure panels, offscreen: each
// iteration starts from a fresh program context (no cached subgroup list or
// series), opens the panel on a group with its full content and paints it
// once. Groups up to order 120.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>
#include <type_traits>

#include "core/analysis/subgroups.h"
#include "core/group/group_spec.h"
#include "core/host/host.h"
#include "quiet_host.h"
#include "gui/analysis/analysis_panels.h"
#include "gui/common/app_context.h"
#include "gui/display/show_group_panel.h"
#include "gui/panels.h"

namespace {

using namespace quorix;
using namespace quorix::gui;

// The last one is the quaternion group, as permutations of its 8 elements.
const char* const kSpecs[] = {"S4", "A5", "Z2xZ4", "S5", "Z120", "S3xZ20", "A4xZ10", "perm:23416785,58763214"};

// The quotient by the trivial subgroup: the largest table of the quotient
// panel (|G| x |G| cosets).
struct QuotientByTrivial {};

template <class P>
void OpenPanel(benchmark::State& state) {
    const char* spec = kSpecs[state.range(0)];
    for (auto _ : state) {
        state.PauseTiming();
        quorix::bench::BenchProgram program({spec});
        PanelInput input;
        input.group = program.context->groups.At(1);
        if constexpr (std::is_same_v<P, QuotientPanel>) {
            // The quotient by a largest normal subgroup, as the subgroup
            // panel's button would choose it.
            Progress progress;
            input.other = FindMaximalNormalSubgroup(input.group, progress);
        }
        if constexpr (std::is_same_v<P, QuotientByTrivial>) {
            Progress progress;
            SubgroupLogic logic;
            logic.FindAllSubgroups(input.group, progress);
            input.other = logic.Subgroup(1);
        }
        state.ResumeTiming();
        std::conditional_t<std::is_same_v<P, QuotientByTrivial>, QuotientPanel, P> panel(*program.context, input);
        panel.show();
        quorix::bench::Settle(panel);
        benchmark::DoNotOptimize(panel.grab());
        state.PauseTiming();
        panel.close();
        state.ResumeTiming();
    }
    state.SetLabel(spec);
}

constexpr int kLast = static_cast<int>(std::size(kSpecs)) - 1;
BENCHMARK_TEMPLATE(OpenPanel, ShowGroupPanel)->DenseRange(0, kLast)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(OpenPanel, SubgroupsPanel)->DenseRange(0, kLast)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(OpenPanel, QuotientPanel)->DenseRange(0, kLast)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(OpenPanel, QuotientByTrivial)->DenseRange(0, kLast)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(OpenPanel, SeriesPanel)->DenseRange(0, kLast)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(OpenPanel, ClassesPanel)->DenseRange(0, kLast)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(OpenPanel, SubgroupClassesPanel)->DenseRange(0, kLast)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
