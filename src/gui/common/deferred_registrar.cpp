#include "gui/common/deferred_registrar.h"

#include <algorithm>

namespace quorix::gui {

std::shared_ptr<DeferredRegistrations> DeferredRegistrations::Of(const storage::GroupRegister& groups) {
    std::shared_ptr<DeferredRegistrations> d(new DeferredRegistrations);
    for (const GroupPtr& g : groups.Groups()) d->known_.emplace_back(g->GroupID(), g);
    return d;
}

GroupRegistrar DeferredRegistrations::registrar() {
    // The worker's registrar keeps the object alive while it is used.
    std::shared_ptr<DeferredRegistrations> self = shared_from_this();
    GroupRegistrar r;
    r.registerGroup = [self](const GroupPtr& g, const std::string& id) {
        if (!g) return;
        const bool known = std::any_of(self->known_.begin(), self->known_.end(),
                                       [&g](const auto& entry) { return entry.second == g; });
        // A group of the job's own takes its ID at once, as the register
        // would give it; one the register holds keeps its ID until carryOut.
        if (!known && !id.empty()) g->SetGroupID(id);
        self->recorded_.emplace_back(id, g);
    };
    r.findGroup = [self](const std::string& id) -> GroupPtr {
        for (auto it = self->recorded_.rbegin(); it != self->recorded_.rend(); ++it)
            if ((it->first.empty() ? it->second->GroupID() : it->first) == id) return it->second;
        for (const auto& [known, g] : self->known_)
            if (known == id) return g;
        return nullptr;
    };
    return r;
}

void DeferredRegistrations::carryOut(const GroupRegistrar& real) {
    for (const auto& [id, g] : recorded_) real.Register(g, id);
    recorded_.clear();
}

}  // namespace quorix::gui
