#pragma once
// Straightforward reference versions of the subgroup search and the choice
// of a maximal normal subgroup: the depth-first walk over membership vectors,
// deciding positions 1..n in order with "member" tried before "not a member",
// and the closure test on the decided positions (general form, or the
// divisibility form for cyclic groups). Slow by design; the analysis code
// must produce exactly the same lists.

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

}  // namespace quorix::testing
