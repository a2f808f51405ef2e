#pragma once
// The cycle graph of a group of at most kMaxGroupOrder elements: each maximal cyclic
// subgroup <g> drawn as the cycle 1, g, g^2, ..., back to 1 through the
// identity, every element once. Cycles that share more than the identity
// share one circle of their common elements, the others lying on nested
// arcs between them; cycles that share only the identity are petals around
// it, each in its own sector.

#include <vector>

#include "core/diagram/picture.h"
#include "core/group/group.h"

namespace quorix::diagram {

struct CycleGraph {
    // Each maximal cyclic subgroup as its elements 1, g, g^2, ... (reductive
    // positions), cycles of two elements included; ordered by the layout.
    std::vector<std::vector<int>> cycles;
    // Node k - 1 is the element at reductive position k.
    Picture picture;
};

// The maximal cyclic subgroups of g as element sets, ascending by their
// lowest generator's position.
std::vector<ElementSet> MaximalCyclicSubgroups(const Group& g);

CycleGraph BuildCycleGraph(const Group& g, bool originalNames = false);

}  // namespace quorix::diagram
