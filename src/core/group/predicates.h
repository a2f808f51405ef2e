#pragma once
// Checks of what a group is built from: whether a table, a permutation
// list, a set of positions or a named subgroup really is what it claims.

#include <string>
#include <vector>

#include "core/group/group.h"

namespace quorix {

// A table whose first row names the elements and whose cells are all among
// them, with the first element a two-sided identity, every row and column a
// permutation of the names, and an associative product.
bool IsGroupTable(const CayleyTable& table, int n);

// One-line permutations of one degree (1..15), the identity first, pairwise
// distinct. Closure is checked by the generation itself.
bool IsPermutationList(const std::vector<std::string>& perms);

// Positions of `parent` marked in `members` form a subgroup.
bool IsSubgroupOf(const Group& parent, const ElementSet& members);

// N's elements, named as in G, form a normal subgroup of G.
bool IsNormalSubgroupOf(const Group& g, const Group& n);

}  // namespace quorix
