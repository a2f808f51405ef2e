#pragma once
// A host for the panel benchmarks: no message is shown, every question is
// answered No. And the wait for a panel's deferred work.

#include <QCoreApplication>
#include <string>

#include "core/host/host.h"
#include "gui/common/panel.h"

namespace quorix::bench {

struct QuietHost : Host {
    void Message(const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
};

// Lets a shown panel's deferred start and its job run to their end.
inline void Settle(gui::Panel& panel) {
    while (panel.startPending() || panel.jobRunning()) QCoreApplication::processEvents();
}

}  // namespace quorix::bench
