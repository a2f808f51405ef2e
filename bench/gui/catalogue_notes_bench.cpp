// The panels that show catalogue names, offscreen: the group list with a
// register of small groups, and the subgroup list, each opened and painted
// once. "cold": a fresh program, whose catalogue searches every order it
// meets; "warm": the catalogue has searched orders 1..20 but 16 before
// (as after the first panels of a run).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "core/group/group_spec.h"
#include "core/host/host.h"
#include "gui/analysis/analysis_panels.h"
#include "quiet_host.h"
#include "gui/common/app_context.h"
#include "gui/panels.h"
#include "gui/storage/group_list_panel.h"

namespace {

using namespace quorix;
using namespace quorix::gui;

// Groups of order up to 20 but 16, and two larger ones.
const char* const kRegister[] = {"Z2",  "Z3",  "Z4",    "Z2xZ2", "Z5",  "S3",  "Z6",     "Z7",    "Z8",  "Z2xZ4",
                                 "U15", "Z9",  "Z3xZ3", "Z10",   "Z11", "A4",  "Z12",    "Z2xZ6", "Z13", "Z14",
                                 "Z15", "Z17", "Z18",   "S3xZ3", "Z19", "Z20", "Z2xZ10", "S4",    "S5"};

// A fresh program; "warm": its catalogue has searched the orders of the
// register but 16.
struct WarmableProgram : quorix::bench::BenchProgram {
    WarmableProgram(bool warm, const std::vector<const char*>& specs) : BenchProgram(specs) {
        Progress progress;
        if (warm)
            for (int n = 1; n <= 20; ++n)
                if (n != 16) context->workbench.catalogue.Solutions(n, progress);
    }
};

void GroupList(benchmark::State& state) {
    const bool warm = state.range(0) != 0;
    const std::vector<const char*> specs(std::begin(kRegister), std::end(kRegister));
    for (auto _ : state) {
        state.PauseTiming();
        WarmableProgram program(warm, specs);
        state.ResumeTiming();
        GroupListPanel panel(*program.context);
        panel.show();
        benchmark::DoNotOptimize(panel.grab());
        state.PauseTiming();
        panel.close();
        state.ResumeTiming();
    }
    state.SetLabel(warm ? "29 groups, warm" : "29 groups, cold");
}
BENCHMARK(GroupList)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void Subgroups(benchmark::State& state) {
    const bool warm = state.range(1) != 0;
    const char* spec = state.range(0) == 0 ? "S4" : "S5";
    for (auto _ : state) {
        state.PauseTiming();
        WarmableProgram program(warm, {spec});
        state.ResumeTiming();
        PanelInput input;
        input.group = program.context->groups.At(1);
        SubgroupsPanel panel(*program.context, input);
        panel.show();
        quorix::bench::Settle(panel);
        benchmark::DoNotOptimize(panel.grab());
        state.PauseTiming();
        panel.close();
        state.ResumeTiming();
    }
    state.SetLabel(std::string(spec) + (warm ? ", warm" : ", cold"));
}
BENCHMARK(Subgroups)->Args({0, 0})->Args({0, 1})->Args({1, 0})->Args({1, 1})->Unit(benchmark::kMillisecond);

}  // namespace
