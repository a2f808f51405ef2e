#pragma once
// The command-line tool's host: messages go to stderr, questions are
// answered No, and there are no events to pump.
//
// A verb that runs a long job attaches that job's Progress: the engine's
// yield points (pumpEvents) then reach the progress's yield callback, and
// the halt flag the engine reads is the progress's stop flag, which the
// Ctrl+C watcher raises. Clearing the halt flag does not clear a requested
// stop, so a Ctrl+C is never lost between two runs of the job's loop.

#include <iostream>

#include "core/host/host.h"
#include "core/host/progress.h"

namespace quorix::report {

class ConsoleHost : public Host {
public:
    void pumpEvents() override {
        if (progress_) progress_->stopRequested();
    }
    bool haltRequested() const override { return progress_ ? progress_->stopped() : halt_; }
    void setHaltRequested(bool halt) override {
        if (progress_) {
            if (halt) progress_->requestStop();
        } else {
            halt_ = halt;
        }
    }
    void message(const std::string& text) override { std::cerr << text << "\n"; }
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    void setProcessingText(const std::string&) override {}

    // The running job's progress (nullptr when none runs). The caller keeps
    // it alive while attached.
    void attach(Progress* progress) { progress_ = progress; }

private:
    bool halt_ = false;
    Progress* progress_ = nullptr;
};

}  // namespace quorix::report
