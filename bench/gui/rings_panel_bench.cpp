// The rings panel on Z2 x Z2, offscreen: opened, filled and painted once.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "core/group/group_spec.h"
#include "core/host/host.h"
#include "quiet_host.h"
#include "gui/common/app_context.h"
#include "gui/panels.h"
#include "gui/rings/rings_panel.h"

namespace {

using namespace quorix;
using namespace quorix::gui;

using quorix::bench::QuietHost;

void RingsPanelZ2xZ2(benchmark::State& state) {
    QTemporaryDir dir;
    QuietHost host;
    AppContext context(dir.path().toStdString(), host);
    context.groups.SetAutosave(false);
    RegisterAllPanels(context.panels);
    context.groups.RegisterGroup(MakeGroupFromSpec("Z2xZ2"), "Z|@2|xZ|@2|");
    PanelInput input;
    input.group = context.groups.At(1);
    for (auto _ : state) {
        RingsPanel panel(context, input);
        panel.show();
        quorix::bench::Settle(panel);
        panel.showRing(7);
        benchmark::DoNotOptimize(panel.grab());
    }
}
BENCHMARK(RingsPanelZ2xZ2)->Unit(benchmark::kMillisecond);

}  // namespace
