#pragma once
// The registrations a job's computation makes on its worker, carried out on
// the GUI thread when the job applies its result. The worker sees the
// register as it was when the job started (taken on the GUI thread) plus
// what it registered itself; the register itself is touched only by
// carryOut.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/group/registrar.h"
#include "core/storage/group_register.h"

namespace quorix::gui {

class DeferredRegistrations : public std::enable_shared_from_this<DeferredRegistrations> {
public:
    // On the GUI thread, when the job starts.
    static std::shared_ptr<DeferredRegistrations> Of(const storage::GroupRegister& groups);

    // On the worker: a registrar that records and finds.
    GroupRegistrar registrar();
    // On the GUI thread, after the computation: registers what was recorded,
    // in its order, through `real`.
    void carryOut(const GroupRegistrar& real);
    bool empty() const { return recorded_.empty(); }

private:
    DeferredRegistrations() = default;
    std::vector<std::pair<std::string, GroupPtr>> known_;     // the register when the job started
    std::vector<std::pair<std::string, GroupPtr>> recorded_;  // ID given (may be empty), group
};

}  // namespace quorix::gui
