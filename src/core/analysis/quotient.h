#pragma once
// The quotient G/N by a normal subgroup, as the quotient panel lists it: the
// right cosets N·a with their elements n·a, and the quotient's table.

#include <string>
#include <vector>

#include "core/analysis/registrar.h"
#include "core/group/group.h"

namespace quorix {

struct QuotientCoset {
    std::string representative;         // "" for N itself; else a's name in the chosen naming
    std::string name;                   // "|%b|N|/b|" + representative
    std::vector<std::string> elements;  // n·a for n in N's source order
};

struct QuotientListing {
    GroupPtr quotient;                    // Q = G/N, source order = coset order
    std::vector<QuotientCoset> cosets;    // Q's elements in Q's source order
    std::vector<std::vector<int>> table;  // table[i][j]: coset index (0-based) of coset i · coset j
};

// Builds Q with GenerateQuotientGroup, registers it under its own ID, and
// lists its cosets in original names or in G's reductive-mapping names.
QuotientListing BuildQuotientListing(const GroupPtr& g, const GroupPtr& n, bool originalNames,
                                     const GroupRegistrar& registrar = {});

// The cosets and table of an already built quotient q = G/N.
QuotientListing ListQuotient(const GroupPtr& q, bool originalNames);

}  // namespace quorix
