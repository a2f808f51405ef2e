#pragma once
// A host for the panel benchmarks: no message is shown, every question is
// answered No. A program of its own for each run, and the wait for a
// panel's deferred work.

#include <QCoreApplication>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "core/group/group_spec.h"
#include "core/host/host.h"
#include "gui/common/app_context.h"
#include "gui/common/panel.h"
#include "gui/panels.h"

namespace quorix::bench {

struct QuietHost : Host {
    void Message(const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
};

// A program with its register in a temporary directory (not saved), every
// panel registered, and the groups of the SPECs registered in order.
struct BenchProgram {
    QTemporaryDir dir;
    QuietHost host;
    std::unique_ptr<gui::AppContext> context;
    explicit BenchProgram(const std::vector<const char*>& specs) {
        context = std::make_unique<gui::AppContext>(dir.path().toStdString(), host);
        context->groups.SetAutosave(false);
        gui::RegisterAllPanels(context->panels);
        for (const char* spec : specs) context->groups.RegisterGroup(MakeGroupFromSpec(spec), spec);
    }
};

// Lets a shown panel's deferred start and its job run to their end.
inline void Settle(gui::Panel& panel) {
    while (panel.startPending() || panel.jobRunning()) QCoreApplication::processEvents();
}

}  // namespace quorix::bench
