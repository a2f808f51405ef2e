#pragma once
// "Organise by Subgroup...": the subgroup list of a group (the engine's
// enumeration) in a small modal list, run through the panel's modal hook.

#include <optional>

#include "core/group/group.h"

namespace quorix::gui {

class Panel;

// The chosen subgroup's positions in g; an empty set for the first entry
// ("the group's own order"); nullopt when the user cancelled or the
// enumeration was halted.
std::optional<ElementSet> ChooseOrganisingSubgroup(Panel& panel, const GroupPtr& g, bool originalNames);

}  // namespace quorix::gui
