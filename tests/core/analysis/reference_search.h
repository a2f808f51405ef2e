#pragma once
// Straightforward reference versions of the subgroup search and the choice
// of a maximal normal subgroup: the depth-first walk over membership vectors,
// deciding positions 1..n in order with "member" tried before "not a member",
// and the closure test on the decided positions (general form, or the
// divisibility form for cyclic groups). Slow by design; the analysis code
// must produce exactly the same lists.

#include <utility>
#include <vector>

#include "core/group/group.h"

namespace quorix::testing {

// Complete closed subsets in the order the walk stores them; with limit > 0
// the walk stops after storing `limit` of them.
std::vector<ElementSet> ReferenceSubgroupSearch(const Group& g, int limit = 0);

// Normality through source names, source products and inverses, with the
// index-1-or-2 shortcut.
bool ReferenceIsNormal(const Group& g, const Group& h);

// The walk above keeping the first proper normal subgroup of strictly larger
// order, stopping once one of order |G|/p is found (p the smallest prime).
ElementSet ReferenceMaximalNormalSubgroup(const GroupPtr& g);

// Classes of conjugate subgroups of a list, literally: for every
// representative (the lowest list position not yet placed) each w = 1..|G|
// in turn conjugates it, and a member keeps the first w that reaches it.
// Each class as (representative, [(member, witness)...]).
std::vector<std::pair<int, std::vector<std::pair<int, int>>>> ReferenceSubgroupClasses(
    const Group& g, const std::vector<ElementSet>& memberships);

}  // namespace quorix::testing
