#pragma once
// How the comparison and analysis engines reach the group register: the
// desktop program and the command-line tool plug their register in.

#include <functional>
#include <string>

#include "core/group/group.h"

namespace quorix {

struct GroupRegistrar {
    // Registers the group under the name (which becomes its ID), replacing a
    // registered group of the same name.
    std::function<void(const GroupPtr&, const std::string&)> registerGroup;
    // The registered group with that ID, or null.
    std::function<GroupPtr(const std::string&)> findGroup;

    void Register(const GroupPtr& g, const std::string& name) const {
        g->SetGroupID(name);
        if (registerGroup) registerGroup(g, name);
    }
    GroupPtr Find(const std::string& id) const { return findGroup ? findGroup(id) : nullptr; }
};

}  // namespace quorix
