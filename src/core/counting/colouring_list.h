#pragma once
// One colouring from each orbit: the least in the order of colourings read
// as numbers in base k (point 1 the leading digit), with its orbit's size and
// stabilizer's order (their product is the group's order).

#include <cstddef>
#include <vector>

#include "core/counting/enumerated_group.h"
#include "core/host/progress.h"

namespace quorix::counting {

inline constexpr std::size_t kMaxListedOrbits = 10000;

struct ListedColouring {
    std::vector<int> colours;  // per point, 0-based
    std::size_t orbitSize = 0;
    std::size_t stabilizerOrder = 0;
};

struct ColouringList {
    std::vector<ListedColouring> colourings;
    bool halted = false;
};

// With `colours` colours, or when `numbers` is not empty, with numbers[i]
// points of colour i + 1 (numbers.size() colours). Throws InvalidArgument
// when there are more than kMaxListedOrbits orbits (counted first) or the
// colourings are too many to walk.
ColouringList ListColourings(const EnumeratedGroup& group, int colours, const std::vector<int>& numbers,
                             Progress& progress);

}  // namespace quorix::counting
