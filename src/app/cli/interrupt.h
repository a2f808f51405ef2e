#pragma once
// Ctrl+C during a long job: while an InterruptWatch lives, SIGINT does not
// end the program but requests the job's stop through its Progress, and the
// job returns what it has found. A thread of its own waits for the signal
// (blocked everywhere else), so no handler and no global are involved.
// When SIGINT was ignored at start (a background job), it stays ignored.

#include <atomic>
#include <csignal>
#include <thread>

#include "core/host/progress.h"

namespace quorix::cli {

class InterruptWatch {
public:
    explicit InterruptWatch(Progress& progress);
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    // Whether a Ctrl+C arrived.
    bool interrupted() const { return interrupted_.load(); }

private:
    Progress& progress_;
    bool active_ = false;
    sigset_t oldMask_{};
    std::atomic<bool> done_{false};
    std::atomic<bool> interrupted_{false};
    std::thread waiter_;
};

}  // namespace quorix::cli
