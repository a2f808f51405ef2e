#pragma once
// Groups from presentations, and the one entry point for every group
// description: the SPECs of core/group/group_spec.h and presentations.

#include <string>
#include <string_view>

#include "core/group/group.h"
#include "core/host/progress.h"
#include "core/presentation/presentation.h"

namespace quorix {

struct PresentedGroup {
    GroupPtr group;  // null when halted
    bool halted = false;
    long cosetsDefined = 0;
};

// The group of a presentation (a Described group: the description is the
// presentation without blanks, the elements are named by their shortlex-least
// words in the generators and their inverses, a < a^-1 < b < b^-1 < ..., and
// come in that order). The ID is "Pres" followed by the order. Throws
// InvalidArgument with one sentence for a presentation that cannot be read,
// defines an infinite group or one above kMaxGroupOrder elements.
PresentedGroup MakeGroupFromPresentation(std::string_view text, Progress& progress);

// perm:<generators> in cycle notation ("perm:(1,2,3),(1,2)", "()" the
// identity, any degree up to 1000) as a Described group of at most kMaxGroupOrder
// elements named in cycle notation: the identity, the generators, then
// breadth first by products with the generators. Null when halted.
GroupPtr MakeGroupFromCycleNotation(std::string_view text, Progress& progress);

// A presentation, a SPEC (MakeGroupFromSpec) or perm: in cycle notation;
// null when halted.
GroupPtr MakeGroupFromDescription(std::string_view description, Progress& progress);
GroupPtr MakeGroupFromDescription(std::string_view description);

}  // namespace quorix
