// How long the event loop is blocked while a panel's job runs, offscreen. A
// 0-ms timer beats as often as the loop turns; the longest gap between two
// beats (from the click that starts the job to the end of the job's apply)
// is the longest the window could not answer: counter block_ms, the largest
// over the iterations. halt_ms: Halt pressed 5 ms into the job, the time
// until the panel is idle again (the worker has stopped and its halted result
// is shown); 0 when the job had already ended by then.
//
//   build-dev/bench/quorix_gui_bench --benchmark_filter=Responsiveness

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <functional>
#include <optional>

#include "gui/common/panel.h"
#include "gui/search/main_form.h"
#include "quiet_host.h"

namespace {

using namespace quorix;
using namespace quorix::gui;
using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// A job kind: the groups it needs, and how it opens its panel and starts.
struct JobKind {
    const char* label;
    std::vector<const char*> specs;
    std::function<Panel*(AppContext&)> start;
};

std::function<Panel*(AppContext&)> OnFirstGroup(const char* panel) {
    return [panel](AppContext& ctx) {
        PanelInput in;
        in.group = ctx.groups.At(1);
        return ctx.panels.open(QString::fromLatin1(panel), ctx, nullptr, in);
    };
}

// Get Next Solution in Trace off for the groups of an order.
std::function<Panel*(AppContext&)> TraceOff(int order) {
    return [order](AppContext& ctx) {
        ctx.dialogs.inputBox = [order](const QString&, const QString&, const QString&) -> std::optional<QString> {
            return QString::number(order);
        };
        auto* form = new MainForm(ctx);
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->setAnalysisOpener([](MainForm&, const GroupPtr&) { return nullptr; });
        form->show();
        form->action(QStringLiteral("mnuChangeGroupOrder"))->trigger();
        form->action(QStringLiteral("mnuTraceOff"))->trigger();
        form->getNextSolution();
        return form;
    };
}

const std::vector<JobKind>& Kinds() {
    static const std::vector<JobKind> kinds{
        {"Trace off, order 20", {}, TraceOff(20)},
        {"Trace off, order 16", {}, TraceOff(16)},
        {"solution analysis of S5", {"S5"}, OnFirstGroup("dlgAnalyzeSolution")},
        {"subgroup lattice of S5", {"S5"}, OnFirstGroup("dlgSubgroupLattice")},
        {"subgroups of S5", {"S5"}, OnFirstGroup("dlgSubgroups")},
        {"character table of S5", {"S5"}, OnFirstGroup("dlgCharacterTable")},
        {"subgroup classes of S5", {"S5"}, OnFirstGroup("dlgSubgroupConjugacyClasses")},
    };
    return kinds;
}

bool Busy(const Panel& p) { return p.startPending() || p.jobRunning(); }

void Responsiveness(benchmark::State& state) {
    const JobKind& kind = Kinds()[static_cast<std::size_t>(state.range(0))];
    double block = 0, halt = 0;
    for (auto _ : state) {
        quorix::bench::BenchProgram program(kind.specs);
        QPointer<Panel> panel;
        Clock::time_point last = Clock::now();
        double longest = 0;
        QTimer beat;
        beat.setInterval(0);
        QObject::connect(&beat, &QTimer::timeout, [&] {
            const Clock::time_point now = Clock::now();
            longest = std::max(longest, Ms(now - last));
            last = now;
        });
        beat.start();
        // The start is an event of the loop too: its time counts.
        QTimer::singleShot(0, [&] { panel = kind.start(*program.context); });
        while (!panel || Busy(*panel)) QCoreApplication::processEvents();
        beat.stop();
        block = std::max(block, longest);
        if (panel) panel->close();

        // Halt 5 ms into the job.
        QPointer<Panel> halted = kind.start(*program.context);
        const Clock::time_point started = Clock::now();
        while (Busy(*halted) && Clock::now() - started < std::chrono::milliseconds(5))
            QCoreApplication::processEvents();
        if (Busy(*halted)) {
            const Clock::time_point pressed = Clock::now();
            // The analysis panel has no Halt button of its own: its stop.
            if (auto* button = halted->findChild<QPushButton*>(QStringLiteral("cmdHalt")))
                button->click();
            else
                halted->haltJob();
            while (Busy(*halted)) QCoreApplication::processEvents();
            halt = std::max(halt, Ms(Clock::now() - pressed));
        }
        halted->close();
        QCoreApplication::processEvents();
    }
    state.counters["block_ms"] = block;
    state.counters["halt_ms"] = halt;
    state.SetLabel(kind.label);
}

BENCHMARK(Responsiveness)
    ->DenseRange(0, static_cast<int>(Kinds().size()) - 1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
