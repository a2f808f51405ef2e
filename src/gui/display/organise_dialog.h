#pragma once
// "Organise by Subgroup...": the subgroup list of a group (the engine's
// enumeration) in a small modal list, run through the panel's modal hook.

#include <functional>
#include <optional>

#include "core/group/group.h"

namespace quorix::gui {

class Panel;

// The subgroups are found as the panel's job; then `done` gets the chosen
// subgroup's positions in g: an empty set for the first entry ("the group's
// own order"), nullopt when the user cancelled, the enumeration was halted
// or the panel was already running a job (nothing when the panel was closed
// meanwhile).
void ChooseOrganisingSubgroup(Panel& panel, const GroupPtr& g, bool originalNames,
                              std::function<void(std::optional<ElementSet>)> done);

}  // namespace quorix::gui
