// The full fill: the group axioms and the tests of the optimizing rules applied
// pass after pass over the work table, with reasons for every deduction when
// they are to be shown.

#include "core/search/cayley_search.h"

namespace quorix {

std::string CayleySearch::Position(int i, int j) const {
    return "(" + std::to_string(i) + ", " + std::to_string(j) + ")";
}

// Character code of a work entry: "1" is 49, "a".."t" are 97..116, and a
// foreign text counts with its first character.
int CayleySearch::Weight(int i, int j) const {
    const int v = work_[Idx(i)][Idx(j)];
    if (v == 0) return 0;
    if (v == 1) return '1';
    if (v == kForeign) {
        const std::string& t = foreign_[Idx(i)][Idx(j)];
        return t.empty() ? 0 : static_cast<unsigned char>(t[0]);
    }
    return 95 + v;
}

bool CayleySearch::SameWork(int i1, int j1, int i2, int j2) const {
    const int a = work_[Idx(i1)][Idx(j1)], b = work_[Idx(i2)][Idx(j2)];
    if (a != b) return false;
    if (a == kForeign) return foreign_[Idx(i1)][Idx(j1)] == foreign_[Idx(i2)][Idx(j2)];
    return true;
}

void CayleySearch::ReportConflict(const std::string& text) {
    conflictFound_ = true;
    conflictMessage_ = text;
}

void CayleySearch::AddInference(int row, int column, int index, const std::string& reason) {
    std::uint8_t& cell = work_[Idx(row)][Idx(column)];
    // Only an entry holding a foreign text (manual entry) is written over.
    if (cell != 0) messages_.push_back("Program error (addInference)");
    cell = static_cast<std::uint8_t>(index);
    if (ReasonsStored()) reason_[Idx(row)][Idx(column)] = reason;
    inferenceMade_ = true;
}

bool CayleySearch::ValidateEntries() {
    for (int i = 2; i <= n_; ++i)
        for (int j = 2; j <= n_; ++j) {
            const int v = trial_[Idx(i)][Idx(j)];
            if (v != 0 && (v < 1 || v > n_)) {
                ReportConflict("Invalid element at " + Position(i, j));
                return true;
            }
        }
    return false;
}

void CayleySearch::FillTable() {
    conflictFound_ = false;
    conflictMessage_.clear();
    if (!manualEntry_ && ValidateEntries()) return;
    for (int i = 1; i <= n_; ++i)
        for (int j = 1; j <= n_; ++j) work_[Idx(i)][Idx(j)] = trial_[Idx(i)][Idx(j)];
    inferenceMade_ = false;
    CheckRows();
    if (conflictFound_) return;
    for (;;) {
        CheckColumns();
        if (conflictFound_) return;
        CheckAssociativity();
        if (conflictFound_) return;
        CheckRules();
        if (conflictFound_ || !inferenceMade_) return;
        inferenceMade_ = false;
        CheckRows();
        if (conflictFound_) return;
    }
}

void CayleySearch::CheckRows() {
    for (int i = 1; i <= n_; ++i) {
        int sum = 0, gap = 0;
        for (int j = 1; j <= n_; ++j) {
            if (work_[Idx(i)][Idx(j)] == 1 && work_[Idx(j)][Idx(i)] != 1) {
                if (work_[Idx(j)][Idx(i)] != 0)
                    ReportConflict("Element " + Nm(j) + "'s inverse is not unique");
                else
                    AddInference(j, i, 1,
                                 ReasonsStored() ? "Required by " + Nm(i) + Nm(j) + "=1 (uniqueness of inverses)"
                                                 : std::string());
            }
            if (work_[Idx(i)][Idx(j)] != 0) {
                sum += Weight(i, j);
                for (int k = 1; k < j; ++k)
                    if (SameWork(i, k, i, j)) {
                        ReportConflict("Duplicate row element at " + Position(i, j));
                        return;
                    }
            } else {
                gap = gap == 0 ? j : 999;
            }
        }
        if (gap >= 1 && gap <= 998)
            AddInference(i, gap, IndexOfCharacter(codeSum_ - sum), "Element must be included in row");
    }
}

void CayleySearch::CheckColumns() {
    for (int j = 1; j <= n_; ++j) {
        int sum = 0, gap = 0;
        for (int i = 1; i <= n_; ++i) {
            if (work_[Idx(i)][Idx(j)] != 0) {
                sum += Weight(i, j);
                for (int k = 1; k < i; ++k)
                    if (SameWork(k, j, i, j)) {
                        ReportConflict("Duplicate column element at " + Position(i, j));
                        return;
                    }
            } else {
                gap = gap == 0 ? i : 999;
            }
        }
        if (gap >= 1 && gap <= 998)
            AddInference(gap, j, IndexOfCharacter(codeSum_ - sum), "Element must be included in column");
    }
}

void CayleySearch::CheckAssociativity() {
    for (int a = 2; a <= n_; ++a)
        for (int b = 2; b <= n_; ++b)
            for (int c = 2; c <= n_; ++c)
                if (AssociateTriple(a, b, c)) {
                    ReportConflict("(" + Nm(a) + Nm(b) + ")" + Nm(c) + " does not equal " + Nm(a) + "(" + Nm(b) +
                                   Nm(c) + ")");
                    return;
                }
}

bool CayleySearch::AssociateTriple(int a, int b, int c) {
    const int n = n_;
    const int ab = ValueIndex(work_[Idx(a)][Idx(b)]);
    const int abc = ab > n ? n + 1 : ValueIndex(work_[Idx(ab)][Idx(c)]);
    const int bc = ValueIndex(work_[Idx(b)][Idx(c)]);
    const int a_bc = bc > n ? n + 1 : ValueIndex(work_[Idx(a)][Idx(bc)]);
    if (abc > n) {
        if (a_bc <= n && ab <= n) {
            AddInference(ab, c, a_bc,
                         ReasonsStored() ? "Required by (" + Nm(a) + Nm(b) + ")" + Nm(c) + " = " + Nm(a) + "(" + Nm(b) +
                                               Nm(c) + ") (associativity)"
                                         : std::string());
        }
    } else if (a_bc > n) {
        if (bc <= n)
            AddInference(a, bc, abc,
                         ReasonsStored() ? "Required by (" + Nm(a) + Nm(b) + ")" + Nm(c) + " = " + Nm(a) + "(" + Nm(b) +
                                               Nm(c) + ") (associativity)"
                                         : std::string());
    } else if (abc != a_bc) {
        return true;
    }
    return false;
}

int CayleySearch::ElementOrder(int x) {
    int current = x, count = 1;
    while (current >= 2) {
        if (count > n_) {
            ReportConflict(Nm(x) + " does not have finite order");
            return 0;
        }
        if (current > kMaxOrder) return 0;
        const int w = work_[Idx(current)][Idx(x)];
        if (w == 0) return 0;
        current = ValueIndex(w);
        ++count;
    }
    return count;
}

// ---------------------------------------------------------------- rule tests

void CayleySearch::CheckRules() {
    if (rules_.Active(0)) {
        CheckElementOrders();
        if (conflictFound_) return;
    }
    if (rules_.Active(2) && rules_.CyclicFound()) {
        CheckCyclicOnly();
        if (conflictFound_) return;
    }
    if (rules_.Active(3))
        for (int k = 1; k <= rules_.BlockCount(); ++k) {
            CheckSubgroupBlock(k);
            if (conflictFound_) return;
        }
}

void CayleySearch::CheckElementOrders() {
    for (int x = 2; x <= n_; ++x) {
        const int o = ElementOrder(x);
        if (conflictFound_) return;
        if (o <= 0) continue;
        if (n_ % o != 0) {
            ReportConflict(Nm(x) + " has an invalid order of " + std::to_string(o));
            return;
        }
        if (rules_.Active(3)) {
            const int k = rules_.FirstBlockOf(x);
            if (k > 0 && rules_.Block(k).order % o != 0) {
                ReportConflict(Nm(x) + " has an order (invalid for " + "subgroup) of " + std::to_string(o));
                return;
            }
        }
    }
}

void CayleySearch::CheckCyclicOnly() {
    for (int x = 2; x <= n_; ++x) {
        const int o = ElementOrder(x);
        if (o > rules_.LargestProperDivisor())
            ReportConflict(Nm(x) + " has order " + std::to_string(o) + ", possible only in a cyclic group.  " +
                           "(Cyclic solution was already found.)");
    }
}

void CayleySearch::CheckSubgroupBlock(int k) {
    const SubgroupBlock& b = rules_.Block(k);
    const int F = b.first, L = b.last;
    // Closure: products with one factor in the block lie outside it, products
    // of two block elements inside (the identity aside).
    for (int i = 2; i <= n_; ++i)
        for (int j = 2; j <= n_; ++j) {
            const int x = work_[Idx(i)][Idx(j)];
            if (x == 0 || x == 1) continue;
            const int inside = (F <= i && i <= L ? 1 : 0) + (F <= j && j <= L ? 1 : 0);
            const bool inRange = x != kForeign && F <= x && x <= L;
            if (inside == 1 && inRange) {
                ReportConflict("Product belongs to subgroup at " + Position(i, j));
                return;
            }
            if (inside == 2 && !inRange) {
                ReportConflict("Invalid element for subgroup at " + Position(i, j));
                return;
            }
        }
    // The block's rows: a single gap takes the missing block element.
    for (int i = F; i <= L; ++i) {
        int sum = 0, gap = 0;
        for (int j = F; j <= L; ++j) {
            if (work_[Idx(i)][Idx(j)] != 0)
                sum += Weight(i, j);
            else
                gap = gap == 0 ? j : 999;
        }
        if (gap >= 1 && gap <= 998) {
            AddInference(i, gap, IndexOfCharacter(b.codeSum - (sum + Weight(i, 1))),
                         "Element must be included in subgroup row");
            return;
        }
    }
    // The block's columns.
    for (int j = F; j <= L; ++j) {
        int sum = 0, gap = 0;
        for (int i = F; i <= L; ++i) {
            if (work_[Idx(i)][Idx(j)] != 0)
                sum += Weight(i, j);
            else
                gap = gap == 0 ? i : 999;
        }
        if (gap >= 1 && gap <= 998)
            AddInference(gap, j, IndexOfCharacter(b.codeSum - (sum + Weight(1, j))),
                         "Element must be included in subgroup row");
    }
}

}  // namespace quorix
