#pragma once
// The worker threads that run the panels' long work, one pool per program
// run (a member of the AppContext). A job's computation runs here on inputs
// it owns (group pointers, values) with its own Progress; what it returns and
// its progress texts reach the GUI thread through queued calls on the pool,
// which lives on the GUI thread. Ending the run stops every job and waits
// for the workers: no worker outlives the context.

#include <QObject>
#include <QThreadPool>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "core/host/progress.h"

namespace quorix::gui {

class JobPool : public QObject {
    Q_OBJECT
public:
    JobPool();
    ~JobPool() override;
    JobPool(const JobPool&) = delete;
    JobPool& operator=(const JobPool&) = delete;

    // Runs `work` on a worker; `progress` is its stop flag (kept until the
    // work ends, so that stopAll reaches it).
    void start(std::shared_ptr<Progress> progress, std::function<void()> work);
    // From a worker: runs `call` on the GUI thread (dropped when the pool has
    // gone by then).
    void post(std::function<void()> call);
    // Requests the stop of every running job.
    void stopAll();
    // Stops every job and waits until the workers are idle (program exit).
    void stopAndWait();
    // Jobs started and not yet ended (for tests).
    int running() const;

private:
    QThreadPool pool_;
    mutable std::mutex mutex_;
    std::vector<std::weak_ptr<Progress>> active_;
};

}  // namespace quorix::gui
