#pragma once
// One long computation's link to whoever runs it. The caller owns the object
// and passes it in; the computation calls StopRequested() at its yield points
// and Report() when it has something to show, and returns what it has when a
// stop was requested (its result says it was halted).
//
// The desktop program runs the computation on a worker thread: its Halt
// button calls RequestStop from the GUI thread and the reports are passed on
// to the processing indicator; the command-line tool raises the flag from its
// Ctrl+C handler.

#include <atomic>
#include <functional>
#include <string>
#include <utility>

namespace quorix {

class Progress {
public:
    using YieldFunction = std::function<void()>;
    using ReportFunction = std::function<void(const std::string&)>;

    Progress() = default;
    explicit Progress(YieldFunction yield, ReportFunction report = {})
        : yield_(std::move(yield)), report_(std::move(report)) {}
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // A yield point: lets the caller run, then tells whether to stop.
    bool StopRequested() {
        if (yield_) yield_();
        return stop_.load(std::memory_order_relaxed);
    }
    // The flag alone, without yielding.
    bool Stopped() const { return stop_.load(std::memory_order_relaxed); }

    void RequestStop() { stop_.store(true, std::memory_order_relaxed); }
    void ClearStop() { stop_.store(false, std::memory_order_relaxed); }

    // What the job is doing now ("12 subgroup(s) found...").
    void Report(const std::string& text) {
        if (report_) report_(text);
    }

    void SetYield(YieldFunction yield) { yield_ = std::move(yield); }
    void SetReport(ReportFunction report) { report_ = std::move(report); }

private:
    YieldFunction yield_;
    ReportFunction report_;
    std::atomic<bool> stop_{false};
};

}  // namespace quorix
