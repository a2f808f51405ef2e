#pragma once
// The search's trial table as rows of element indices, for comparing tables.

#include <vector>

#include "core/search/cayley_search.h"

namespace quorix {

using Rows = std::vector<std::vector<int>>;

inline Rows tableOf(const CayleySearch& s) {
    Rows t;
    for (int i = 1; i <= s.searchOrder(); ++i) {
        t.emplace_back();
        for (int j = 1; j <= s.searchOrder(); ++j) t.back().push_back(s.trial(i, j));
    }
    return t;
}

}  // namespace quorix
