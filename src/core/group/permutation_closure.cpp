#include "core/group/permutation_closure.h"

#include <unordered_set>

#include "core/group/math_functions.h"

namespace quorix {

ClosureResult ClosePermutations(std::vector<std::string> elements, bool autoGenerate, int maximum) {
    ClosureResult r;
    r.generated.assign(elements.size(), false);
    std::unordered_set<std::string> present(elements.begin(), elements.end());
    // Products already known to be listed: the scan restarts after every new
    // element, but a pair of old elements gives the same product again.
    std::vector<std::vector<bool>> known;
    bool grew = true;
    while (grew) {
        grew = false;
        const std::size_t count = elements.size();
        known.resize(count);
        for (auto& row : known) row.resize(count, false);
        for (std::size_t i = 1; i < elements.size() && !grew; ++i)
            for (std::size_t j = 1; j < elements.size(); ++j) {
                if (i < known.size() && j < known[i].size() && known[i][j]) continue;
                std::string p = MathFunctions::ComposePermutations(elements[i], elements[j]);
                if (present.count(p)) {
                    if (i < known.size() && j < known[i].size()) known[i][j] = true;
                    continue;
                }
                r.left = static_cast<int>(i) + 1;
                r.right = static_cast<int>(j) + 1;
                r.product = p;
                if (!autoGenerate) {
                    r.status = ClosureResult::Status::Missing;
                    r.elements = std::move(elements);
                    return r;
                }
                if (static_cast<int>(elements.size()) >= maximum) {
                    r.status = ClosureResult::Status::MaximumReached;
                    r.elements = std::move(elements);
                    return r;
                }
                present.insert(p);
                elements.push_back(std::move(p));
                r.generated.push_back(true);
                grew = true;
                break;
            }
    }
    r.left = r.right = 0;
    r.product.clear();
    r.elements = std::move(elements);
    return r;
}

}  // namespace quorix
