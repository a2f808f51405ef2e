#pragma once
// How the engine hands the groups it derives (subgroups, series terms,
// quotients, automorphism groups) to the group register without depending on
// it. The register's own adapter is storage::RegistrarOf (core/storage);
// tests plug in maps. Either function may be left empty.

#include <functional>
#include <string>

#include "core/group/group.h"

namespace quorix {

struct GroupRegistrar {
    // Registers the group under the ID (the group's GroupID is already set to
    // it); an empty ID means "keep the group's own ID".
    std::function<void(const GroupPtr&, const std::string&)> registerGroup;
    // The registered group with that ID, or null.
    std::function<GroupPtr(const std::string&)> findGroup;

    void Register(const GroupPtr& g, const std::string& id) const {
        if (registerGroup) registerGroup(g, id);
    }
    GroupPtr Find(const std::string& id) const { return findGroup ? findGroup(id) : nullptr; }
};

}  // namespace quorix
