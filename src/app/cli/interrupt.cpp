#include "cli/interrupt.h"

#include <pthread.h>

namespace quorix::cli {

InterruptWatch::InterruptWatch(Progress& progress) : progress_(progress) {
    struct sigaction current {};
    if (sigaction(SIGINT, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) return;
    sigset_t interrupt;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGINT);
    if (pthread_sigmask(SIG_BLOCK, &interrupt, &oldMask_) != 0) return;
    active_ = true;
    waiter_ = std::thread([this, interrupt] {
        for (;;) {
            int sig = 0;
            if (sigwait(&interrupt, &sig) != 0 || done_.load()) return;
            interrupted_.store(true);
            progress_.RequestStop();
        }
    });
}

InterruptWatch::~InterruptWatch() {
    if (!active_) return;
    done_.store(true);
    pthread_kill(waiter_.native_handle(), SIGINT);
    waiter_.join();
    pthread_sigmask(SIG_SETMASK, &oldMask_, nullptr);
}

}  // namespace quorix::cli
