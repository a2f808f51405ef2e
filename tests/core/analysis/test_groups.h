#pragma once
// Groups the analysis tests run on: described groups, a few permutation
// groups (dihedral, quaternion, SL(2,3) on the nonzero vectors of F3^2) and
// Cayley tables (dicyclic groups).

#include <string>
#include <vector>

#include "core/group/group.h"

namespace quorix::testing {

struct NamedGroup {
    std::string label;
    GroupPtr group;
};

// Every group of order <= maxOrder the catalogue can build.
std::vector<NamedGroup> SmallGroups(int maxOrder);

// The dicyclic group of order 4m as a Cayley table (m = 2: quaternion group).
GroupPtr Dicyclic(int m);

// The dihedral group of order 2m as permutations of 1..m (m >= 3).
GroupPtr Dihedral(int m);

// SL(2,3) acting on the eight nonzero vectors of F3^2.
GroupPtr SpecialLinear23();

// A group from a description, with its ID set to the description.
GroupPtr Make(const std::string& spec);

}  // namespace quorix::testing
