// The full fill: the group axioms and the tests of the optimizing rules applied
// pass after pass over the work table, with reasons for every deduction when
// they are to be shown.

#include "core/search/cayley_search.h"

namespace quorix {

std::string CayleySearch::position(int i, int j) const {
    return "(" + std::to_string(i) + ", " + std::to_string(j) + ")";
}

// Character code of a work entry: "1" is 49, "a".."t" are 97..116, and a
// foreign text counts with its first character.
int CayleySearch::weight(int i, int j) const {
    const int v = work_[idx(i)][idx(j)];
    if (v == 0) return 0;
    if (v == 1) return '1';
    if (v == kForeign) {
        const std::string& t = foreign_[idx(i)][idx(j)];
        return t.empty() ? 0 : static_cast<unsigned char>(t[0]);
    }
    return 95 + v;
}

bool CayleySearch::sameWork(int i1, int j1, int i2, int j2) const {
    const int a = work_[idx(i1)][idx(j1)], b = work_[idx(i2)][idx(j2)];
    if (a != b) return false;
    if (a == kForeign) return foreign_[idx(i1)][idx(j1)] == foreign_[idx(i2)][idx(j2)];
    return true;
}

void CayleySearch::reportConflict(const std::string& text) {
    conflictFound_ = true;
    conflictMessage_ = text;
}

void CayleySearch::addInference(int row, int column, int index, const std::string& reason) {
    std::uint8_t& cell = work_[idx(row)][idx(column)];
    // Only an entry holding a foreign text (manual entry) is written over.
    if (cell != 0) messages_.push_back("Program error (addInference");
    cell = static_cast<std::uint8_t>(index);
    if (reasonsStored()) reason_[idx(row)][idx(column)] = reason;
    inferenceMade_ = true;
}

bool CayleySearch::validateEntries() {
    for (int i = 2; i <= n_; ++i)
        for (int j = 2; j <= n_; ++j) {
            const int v = trial_[idx(i)][idx(j)];
            if (v != 0 && (v < 1 || v > n_)) {
                reportConflict("Invalid element at " + position(i, j));
                return true;
            }
        }
    return false;
}

void CayleySearch::fillTable() {
    conflictFound_ = false;
    conflictMessage_.clear();
    if (!manualEntry_ && validateEntries()) return;
    for (int i = 1; i <= n_; ++i)
        for (int j = 1; j <= n_; ++j) work_[idx(i)][idx(j)] = trial_[idx(i)][idx(j)];
    inferenceMade_ = false;
    checkRows();
    if (conflictFound_) return;
    for (;;) {
        checkColumns();
        if (conflictFound_) return;
        checkAssociativity();
        if (conflictFound_) return;
        checkRules();
        if (conflictFound_ || !inferenceMade_) return;
        inferenceMade_ = false;
        checkRows();
        if (conflictFound_) return;
    }
}

void CayleySearch::checkRows() {
    for (int i = 1; i <= n_; ++i) {
        int sum = 0, gap = 0;
        for (int j = 1; j <= n_; ++j) {
            if (work_[idx(i)][idx(j)] == 1 && work_[idx(j)][idx(i)] != 1) {
                if (work_[idx(j)][idx(i)] != 0)
                    reportConflict("Element " + nm(j) + "'s inverse is not unique");
                else
                    addInference(j, i, 1,
                                 reasonsStored() ? "Required by " + nm(i) + nm(j) + "=1 (uniqueness of inverses)" : std::string());
            }
            if (work_[idx(i)][idx(j)] != 0) {
                sum += weight(i, j);
                for (int k = 1; k < j; ++k)
                    if (sameWork(i, k, i, j)) {
                        reportConflict("Duplicate row element at " + position(i, j));
                        return;
                    }
            } else {
                gap = gap == 0 ? j : 999;
            }
        }
        if (gap >= 1 && gap <= 998)
            addInference(i, gap, indexOfCharacter(codeSum_ - sum), "Element must be included in row");
    }
}

void CayleySearch::checkColumns() {
    for (int j = 1; j <= n_; ++j) {
        int sum = 0, gap = 0;
        for (int i = 1; i <= n_; ++i) {
            if (work_[idx(i)][idx(j)] != 0) {
                sum += weight(i, j);
                for (int k = 1; k < i; ++k)
                    if (sameWork(k, j, i, j)) {
                        reportConflict("Duplicate column element at " + position(i, j));
                        return;
                    }
            } else {
                gap = gap == 0 ? i : 999;
            }
        }
        if (gap >= 1 && gap <= 998)
            addInference(gap, j, indexOfCharacter(codeSum_ - sum), "Element must be included in column");
    }
}

void CayleySearch::checkAssociativity() {
    for (int a = 2; a <= n_; ++a)
        for (int b = 2; b <= n_; ++b)
            for (int c = 2; c <= n_; ++c)
                if (associateTriple(a, b, c)) {
                    reportConflict("(" + nm(a) + nm(b) + ")" + nm(c) + " does not equal " + nm(a) + "(" + nm(b) + nm(c) + ")");
                    return;
                }
}

bool CayleySearch::associateTriple(int a, int b, int c) {
    const int n = n_;
    const int ab = valueIndex(work_[idx(a)][idx(b)]);
    const int abc = ab > n ? n + 1 : valueIndex(work_[idx(ab)][idx(c)]);
    const int bc = valueIndex(work_[idx(b)][idx(c)]);
    const int a_bc = bc > n ? n + 1 : valueIndex(work_[idx(a)][idx(bc)]);
    if (abc > n) {
        if (a_bc <= n && ab <= n) {
            addInference(ab, c, a_bc,
                         reasonsStored() ? "Required by (" + nm(a) + nm(b) + ")" + nm(c) + " = " + nm(a) + "(" + nm(b) + nm(c) +
                                               ") (associativity)"
                                         : std::string());
        }
    } else if (a_bc > n) {
        if (bc <= n)
            addInference(a, bc, abc,
                         reasonsStored() ? "Required by (" + nm(a) + nm(b) + ")" + nm(c) + " = " + nm(a) + "(" + nm(b) + nm(c) +
                                               ") (associativity)"
                                         : std::string());
    } else if (abc != a_bc) {
        return true;
    }
    return false;
}

int CayleySearch::elementOrder(int x) {
    int current = x, count = 1;
    while (current >= 2) {
        if (count > n_) {
            reportConflict(nm(x) + " does not have finite order");
            return 0;
        }
        if (current > kMaxOrder) return 0;
        const int w = work_[idx(current)][idx(x)];
        if (w == 0) return 0;
        current = valueIndex(w);
        ++count;
    }
    return count;
}

// ---------------------------------------------------------------- rule tests

void CayleySearch::checkRules() {
    if (rules_.active(0)) {
        checkElementOrders();
        if (conflictFound_) return;
    }
    if (rules_.active(2) && rules_.cyclicFound()) {
        checkCyclicOnly();
        if (conflictFound_) return;
    }
    if (rules_.active(3))
        for (int k = 1; k <= rules_.blockCount(); ++k) {
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
        if (rules_.active(3)) {
            const int k = rules_.firstBlockOf(x);
            if (k > 0 && rules_.block(k).order % o != 0) {
                reportConflict(nm(x) + " has an order (invalid for " + "subgroup) of " + std::to_string(o));
                return;
            }
        }
    }
}

void CayleySearch::checkCyclicOnly() {
    for (int x = 2; x <= n_; ++x) {
        const int o = elementOrder(x);
        if (o > rules_.largestProperDivisor())
            reportConflict(nm(x) + " has order " + std::to_string(o) + ", possible only in a cyclic group.  " +
                           "(Cyclic solution was already found.)");
    }
}

void CayleySearch::checkSubgroupBlock(int k) {
    const SubgroupBlock& b = rules_.block(k);
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

}  // namespace quorix
