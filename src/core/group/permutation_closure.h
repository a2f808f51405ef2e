#pragma once
// Completing a list of permutations to the group they generate, in the order
// the permutation-group panel fills its element boxes: scan the pairs (i, j),
// i = 2, 3, ..., and for each i, j = 2, 3, ... over the current elements;
// the first product not yet listed is appended and the scan starts over.

#include <string>
#include <vector>

namespace quorix {

struct ClosureResult {
    enum class Status { Closed, Missing, MaximumReached };
    Status status = Status::Closed;
    std::vector<std::string> elements;  // identity first
    std::vector<bool> generated;        // per element: appended by the closure
    // For Missing / MaximumReached: 1-based element numbers and their product.
    int left = 0, right = 0;
    std::string product;
};

// elements[0] must be the identity of the common degree; all elements are
// valid, distinct permutations of that degree. With autoGenerate false the
// first missing product is reported; with it, products are appended until
// `maximum` elements are listed.
ClosureResult ClosePermutations(std::vector<std::string> elements, bool autoGenerate, int maximum);

}  // namespace quorix
