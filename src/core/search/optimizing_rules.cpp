// The optimizing rules: which are in force, the subgroup blocks and the
// row-2 bound they fix, and what they note about the solutions shown.

#include "core/search/optimizing_rules.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "core/group/errors.h"
#include "core/group/math_functions.h"

namespace quorix {

void OptimizingRules::SetEnabled(int rule, bool on) {
    if (!Valid(rule)) throw InvalidArgument("unknown optimizing rule");
    enabled_[At(rule)] = on;
}

void OptimizingRules::Setup(int n, bool includeIsomorphs, bool manualEntry) {
    allSolutionsFound_ = false;
    active_[0] = enabled_[0];
    active_[1] = enabled_[1] && n % 2 == 0 && !includeIsomorphs;
    active_[2] = enabled_[2] && !includeIsomorphs;
    if (active_[2]) {
        cyclicFound_ = false;
        largestProperDivisor_ = n;
        for (int d = n - 1; d >= 1; --d)
            if (n % d == 0) {
                largestProperDivisor_ = d;
                break;
            }
    }
    active_[3] = enabled_[3] && !MathFunctions::IsPrime(n) && n >= 2 && !includeIsomorphs && !manualEntry;
    blocks_.clear();
    if (active_[3]) {
        active_[1] = false;
        SetupSubgroupBlocks(n);
    } else if (n >= 2) {
        for (int j = 2; j <= n - 1; ++j) rowTwoSuccessor_[At(j)] = j + 1;
        rowTwoSuccessor_[At(n)] = n;
    }
    active_[4] = enabled_[4] && n % 2 == 0 && MathFunctions::IsPrime(n / 2) && !includeIsomorphs;
}

void OptimizingRules::SetupSubgroupBlocks(int n) {
    struct Factor {
        int p, e, pe;
        std::string key;
    };
    std::vector<Factor> factors;
    for (const auto& f : MathFunctions::PrimeFactorization(n)) {
        int e = f.exponent;
        int pe = 1;
        for (int m = 0; m < e; ++m) pe *= f.prime;
        if (pe == n) {
            --e;
            pe /= f.prime;
        }
        char key[40];
        std::snprintf(key, sizeof key, "%03d%03d%03d", 999 - pe, f.prime, e);
        factors.push_back({f.prime, e, pe, key});
    }
    std::stable_sort(factors.begin(), factors.end(), [](const Factor& a, const Factor& b) { return a.key < b.key; });

    int start = 2;
    for (const Factor& f : factors) {
        int pm = 1;
        for (int m = 1; m <= f.e; ++m) {
            pm *= f.p;
            SubgroupBlock b;
            b.first = start;
            b.order = pm;
            b.last = start + pm - 2;
            b.codeSum = '1';
            for (int k = b.first; k <= b.last; ++k) b.codeSum += 95 + k;
            if (blocks_.size() < 10) blocks_.push_back(b);
        }
        start += f.pe - 1;
    }

    rowTwoSuccessor_[1] = 2;
    const int P = factors.empty() ? 1 : factors.front().pe;
    int j = 2;
    std::size_t k = 0;
    for (; j <= P && j <= n; ++j) {
        while (k < blocks_.size() && !(blocks_[k].first <= j && j <= blocks_[k].last)) ++k;
        if (k >= blocks_.size()) break;
        rowTwoSuccessor_[At(j)] = j + 1 > blocks_[k].last ? blocks_[k].last : j + 1;
    }
    int m = std::max(j + 1, (blocks_.empty() ? 1 : blocks_.back().last) + 1);
    for (; j <= n; ++j, ++m) rowTwoSuccessor_[At(j)] = m > n ? n : m;
}

int OptimizingRules::FirstBlockOf(int x) const {
    for (std::size_t k = 0; k < blocks_.size(); ++k)
        if (blocks_[k].first <= x && x <= blocks_[k].last) return static_cast<int>(k) + 1;
    return 0;
}

bool OptimizingRules::NoteSolution(int count, bool newestCyclic) {
    bool changed = false;
    if (active_[2] && newestCyclic && !cyclicFound_) {
        cyclicFound_ = true;
        changed = true;
    }
    if (active_[4] && count == 2) allSolutionsFound_ = true;
    return changed;
}

}  // namespace quorix
