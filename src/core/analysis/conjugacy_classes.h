#pragma once
// Conjugacy classes of elements and of subgroups, with the first conjugating
// witness of every member.

#include <vector>

#include "core/group/group.h"
#include "core/host/progress.h"

namespace quorix {

// member = witnessInverse · representative · witness.
struct ConjugateElement {
    int element = 0;
    int witness = 0;
    int witnessInverse = 0;
};

struct ConjugacyClass {
    int representative = 0;
    std::vector<ConjugateElement> members;  // ascending index
    int Size() const { return static_cast<int>(members.size()); }
};

struct ConjugacyClasses {
    // Indices are source indices when original names were chosen, else
    // reductive positions.
    bool sourceIndices = false;
    std::vector<ConjugacyClass> classes;
    bool halted = false;  // the last class may be incomplete
};

// Classes in the order of their representatives (the lowest index of each
// class); the witness of a member j is the first g = 1, 2, ... with
// g⁻¹·x·g = j. Yields after every member, reporting "<count> elements
// processed...", and stops when a stop is requested.
ConjugacyClasses ComputeConjugacyClasses(const Group& g, bool originalNames, Progress& progress);

// K = witnessInverse · H · witness, for list positions (1-based).
struct ConjugateSubgroup {
    int subgroup = 0;
    int witness = 0;  // a reductive position of G
    int witnessInverse = 0;
};

struct SubgroupClass {
    int representative = 0;                  // list position
    std::vector<ConjugateSubgroup> members;  // ascending list position
    int Size() const { return static_cast<int>(members.size()); }
};

struct SubgroupClasses {
    std::vector<SubgroupClass> classes;
    bool halted = false;
};

// Classes of conjugate subgroups of a complete subgroup list of g, given by
// the members' membership sets over g's positions, in list order; witnesses
// are the first reductive positions g = 1, 2, ... that conjugate the
// representative onto the member. Yields after every member ("<count>
// subgroup(s) processed...") and stops when a stop is requested.
SubgroupClasses ComputeSubgroupConjugacyClasses(const Group& g, const std::vector<ElementSet>& memberships,
                                                Progress& progress);

// Class sizes only, in the order of the classes above (for summaries).
std::vector<int> ConjugacyClassSizes(const Group& g);
std::vector<int> SubgroupClassSizes(const Group& g, const std::vector<ElementSet>& memberships);

}  // namespace quorix
