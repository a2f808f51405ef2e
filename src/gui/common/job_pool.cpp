#include "gui/common/job_pool.h"

#include <QMetaObject>
#include <algorithm>

namespace quorix::gui {

JobPool::JobPool() {
    // One worker per core, at least two: a second panel's job does not wait
    // for the first one's end.
    pool_.setMaxThreadCount(std::max(2, QThread::idealThreadCount()));
}

JobPool::~JobPool() { stopAndWait(); }

void JobPool::start(std::shared_ptr<Progress> progress, std::function<void()> work) {
    {
        const std::lock_guard lock(mutex_);
        std::erase_if(active_, [](const std::weak_ptr<Progress>& p) { return p.expired(); });
        active_.push_back(progress);
    }
    pool_.start([work = std::move(work)] { work(); });
}

void JobPool::post(std::function<void()> call) {
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

void JobPool::stopAll() {
    const std::lock_guard lock(mutex_);
    for (const std::weak_ptr<Progress>& p : active_)
        if (const auto progress = p.lock()) progress->RequestStop();
}

void JobPool::stopAndWait() {
    stopAll();
    pool_.waitForDone();
}

int JobPool::running() const { return pool_.activeThreadCount(); }

}  // namespace quorix::gui
