// The optimizing rules: theorems about finite groups that prune the search
// beyond the axioms, and the subgroup blocks and row-2 bound they fix.

#include <algorithm>
#include <cstdio>

#include "core/group/math_functions.h"
#include "core/search/cayley_search.h"

namespace quorix {

void CayleySearch::setupRules() {
    const int n = n_;
    allSolutionsFound_ = false;
    ruleActive_[0] = ruleEnabled_[0];
    ruleActive_[1] = ruleEnabled_[1] && n % 2 == 0 && !includeIsomorphs_;
    ruleActive_[2] = ruleEnabled_[2] && !includeIsomorphs_;
    if (ruleActive_[2]) {
        cyclicFound_ = false;
        largestProperDivisor_ = n;
        for (int d = n - 1; d >= 1; --d)
            if (n % d == 0) {
                largestProperDivisor_ = d;
                break;
            }
    }
    ruleActive_[3] = ruleEnabled_[3] && !MathFunctions::IsPrime(n) && n >= 2 && !includeIsomorphs_ && !manualEntry_;
    blocks_.clear();
    if (ruleActive_[3]) {
        ruleActive_[1] = false;
        setupSubgroupBlocks();
    } else if (n >= 2) {
        for (int j = 2; j <= n - 1; ++j) rowTwoSuccessor_[idx(j)] = j + 1;
        rowTwoSuccessor_[idx(n)] = n;
    }
    ruleActive_[4] = ruleEnabled_[4] && n % 2 == 0 && MathFunctions::IsPrime(n / 2) && !includeIsomorphs_;
    fastConfigured_ = false;
}

void CayleySearch::setupSubgroupBlocks() {
    const int n = n_;
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
        rowTwoSuccessor_[idx(j)] = j + 1 > blocks_[k].last ? blocks_[k].last : j + 1;
    }
    int m = std::max(j + 1, (blocks_.empty() ? 1 : blocks_.back().last) + 1);
    for (; j <= n; ++j, ++m) rowTwoSuccessor_[idx(j)] = m > n ? n : m;
}

int CayleySearch::firstBlockOf(int x) const {
    for (std::size_t k = 0; k < blocks_.size(); ++k)
        if (blocks_[k].first <= x && x <= blocks_[k].last) return static_cast<int>(k) + 1;
    return 0;
}

bool CayleySearch::precheckRules() const {
    return ruleActive_[1] && trial_[2][2] != 1;
}

void CayleySearch::checkRules() {
    if (ruleActive_[0]) {
        checkElementOrders();
        if (conflictFound_) return;
    }
    if (ruleActive_[2] && cyclicFound_) {
        checkCyclicOnly();
        if (conflictFound_) return;
    }
    if (ruleActive_[3])
        for (int k = 1; k <= blockCount(); ++k) {
            checkSubgroupBlock(k);
            if (conflictFound_) return;
        }
}

void CayleySearch::checkElementOrders() {
    for (int x = 2; x <= n_; ++x) {
        const int o = elementOrder(x);
        if (conflictFound_) return;
        if (o <= 0) continue;
        if (n_ % o != 0) {
            reportConflict(nm(x) + " has an invalid order of " + std::to_string(o));
            return;
        }
        if (ruleActive_[3]) {
            const int k = firstBlockOf(x);
            if (k > 0 && block(k).order % o != 0) {
                reportConflict(nm(x) + " has an order (invalid for " + "subgroup) of " + std::to_string(o));
                return;
            }
        }
    }
}

void CayleySearch::checkCyclicOnly() {
    for (int x = 2; x <= n_; ++x) {
        const int o = elementOrder(x);
        if (o > largestProperDivisor_)
            reportConflict(nm(x) + " has order " + std::to_string(o) + ", possible only in a cyclic group.  " +
                           "(Cyclic solution was already found.)");
    }
}

void CayleySearch::checkSubgroupBlock(int k) {
    const SubgroupBlock& b = block(k);
    const int F = b.first, L = b.last;
    // Closure: products with one factor in the block lie outside it, products
    // of two block elements inside (the identity aside).
    for (int i = 2; i <= n_; ++i)
        for (int j = 2; j <= n_; ++j) {
            const int x = work_[idx(i)][idx(j)];
            if (x == 0 || x == 1) continue;
            const int inside = (F <= i && i <= L ? 1 : 0) + (F <= j && j <= L ? 1 : 0);
            const bool inRange = x != kForeign && F <= x && x <= L;
            if (inside == 1 && inRange) {
                reportConflict("Product belongs to subgroup at " + position(i, j));
                return;
            }
            if (inside == 2 && !inRange) {
                reportConflict("Invalid element for subgroup at " + position(i, j));
                return;
            }
        }
    // The block's rows: a single gap takes the missing block element.
    for (int i = F; i <= L; ++i) {
        int sum = 0, gap = 0;
        for (int j = F; j <= L; ++j) {
            if (work_[idx(i)][idx(j)] != 0)
                sum += weight(i, j);
            else
                gap = gap == 0 ? j : 999;
        }
        if (gap >= 1 && gap <= 998) {
            addInference(i, gap, indexOfCharacter(b.codeSum - (sum + weight(i, 1))), "Element must be included in subgroup row");
            return;
        }
    }
    // The block's columns.
    for (int j = F; j <= L; ++j) {
        int sum = 0, gap = 0;
        for (int i = F; i <= L; ++i) {
            if (work_[idx(i)][idx(j)] != 0)
                sum += weight(i, j);
            else
                gap = gap == 0 ? i : 999;
        }
        if (gap >= 1 && gap <= 998)
            addInference(gap, j, indexOfCharacter(b.codeSum - (sum + weight(1, j))), "Element must be included in subgroup row");
    }
}

void CayleySearch::noteSolutionRules() {
    const int count = solutions_.count();
    if (ruleActive_[2] && count >= 1 && count <= kMaxSolutions) {
        const GroupPtr& g = solutions_.solution(count);
        if (g && g->Cyclic() && !cyclicFound_) {
            cyclicFound_ = true;
            fastConfigured_ = false;
        }
    }
    if (ruleActive_[4] && count == 2) allSolutionsFound_ = true;
}

}  // namespace quorix
