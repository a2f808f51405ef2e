#pragma once
// Cycle notation and cycle type of a permutation in one-line notation
// ("2314" sends 1 to 2, 2 to 3, 3 to 1 and fixes 4). Points are written as one
// symbol each: 1-9, then A-F for 10-15.

#include <string>
#include <vector>

#include "core/group/group.h"

namespace quorix {

// "(123)" for "2314". Points are visited in increasing order; each cycle
// starts at its smallest point. Once the text has begun, every further
// unvisited point adds a space before it, fixed points included, so
// "21354" gives "(12)  (45)" and "2134" gives "(12)  ". A permutation with no
// moved point gives "(1)".
std::string CycleNotation(const std::string& permutation);

// The cycle notation of source index i of a permutation group (its source
// name must be a one-line permutation).
std::string CycleNotation(const Group& group, int sourceIndex);

// Cycle lengths with every fixed point counted as a cycle of length 1, in
// ascending order. Their sum is the degree.
std::vector<int> CycleType(const std::string& permutation);

// The cycle type joined with " + " ("1 + 1 + 2").
std::string CycleTypeText(const std::string& permutation);

}  // namespace quorix
