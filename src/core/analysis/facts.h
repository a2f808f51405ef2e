#pragma once
// A structural summary of one group: the numbers the analysis panels arrive
// at, gathered in one pass for scripts and checks.

#include <string>
#include <utility>
#include <vector>

#include "core/group/group.h"

namespace quorix {

struct GroupFacts {
    std::string id;  // markup stripped
    int order = 0;
    bool abelian = false;
    bool cyclic = false;
    bool dihedral = false;
    bool kleinFour = false;  // order 4, not cyclic
    bool solvable = false;
    std::vector<std::pair<int, int>> elementOrders;  // (order, count), ascending order
    int subgroups = 0;
    int normal = 0;
    std::vector<std::pair<int, int>> subgroupOrders;  // (order, count), ascending order
    int center = 0;                                   // order of the centre
    int commutator = 0;                               // order of the commutator subgroup
    int classes = 0;
    std::vector<int> classSizes;  // ascending
    int subgroupClasses = 0;
    std::vector<int> subgroupClassSizes;  // ascending
    std::vector<int> compositionFactors;  // ascending
};

// Computes the facts of g. Uses neither the shared subgroup list nor the
// shared composition-series state.
GroupFacts ComputeGroupFacts(const GroupPtr& g);

}  // namespace quorix
