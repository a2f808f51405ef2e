// The full fill: the group axioms applied pass after pass over the work table,
// with reasons for every deduction when they are to be shown.

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

}  // namespace quorix
