// Incremental fill: deductions propagated from the cells that changed, with
// an undo trail per prefix of the trial table.

#include "core/search/incremental_fill.h"

#include <bit>

namespace quorix {

namespace {
constexpr std::uint32_t Bit(int k) { return 1u << k; }
inline int Single(std::uint32_t m) { return std::countr_zero(m); }
inline bool OneBit(std::uint32_t m) { return m != 0 && (m & (m - 1)) == 0; }
}  // namespace

void IncrementalFill::Configure(const Rules& rules) {
    rules_ = rules;
    n_ = rules.n;
    const int n = n_;
    full_ = (Bit(n + 1) - 1) & ~1u;
    w_ = {};
    rowHas_ = {};
    colHas_ = {};
    rowEmpty_ = {};
    colEmpty_ = {};
    rowPos_ = {};
    valueRows_ = {};
    colPos_ = {};
    valueCols_ = {};
    for (int r = 1; r <= n; ++r)
        rowEmpty_[static_cast<std::size_t>(r)] = colEmpty_[static_cast<std::size_t>(r)] = full_;
    trail_.clear();
    queue_ = 0;
    dirtyColumns_ = 0;

    blockMask_.clear();
    blockOfElement_ = {};
    orderBound_ = {};
    if (rules_.blocks) {
        for (std::size_t k = 0; k < rules_.blockList.size(); ++k) {
            const Block& b = rules_.blockList[k];
            std::uint32_t m = 0;
            for (int x = b.first; x <= b.last && x <= n; ++x) {
                m |= Bit(x);
                blockOfElement_[static_cast<std::size_t>(x)] |= Bit(static_cast<int>(k));
                if (orderBound_[static_cast<std::size_t>(x)] == 0) orderBound_[static_cast<std::size_t>(x)] = b.order;
            }
            blockMask_.push_back(m);
        }
    }

    const int positions = n >= 2 ? (n - 1) * (n - 1) : 0;
    cellOf_.assign(static_cast<std::size_t>(positions), 0);
    for (int p = 0; p < positions; ++p)
        cellOf_[static_cast<std::size_t>(p)] = static_cast<std::uint16_t>((p / (n - 1) + 2) * 32 + p % (n - 1) + 2);
    mark_.assign(static_cast<std::size_t>(positions) + 1, 0);
    filledBefore_.assign(static_cast<std::size_t>(positions) + 1, 0);

    // The deductions of the identity's row and column alone.
    for (int j = 1; j <= n; ++j) Assign(1, j, j);
    for (int i = 2; i <= n; ++i) Assign(i, 1, i);
    bool ok = true;
    for (std::size_t k = 0; k < blockMask_.size() && ok; ++k)
        for (int x = 2; x <= n && ok; ++x)
            if (blockMask_[k] & Bit(x))
                ok = CheckBlockRow(static_cast<int>(k), x) && CheckBlockColumn(static_cast<int>(k), x);
    while (ok && queue_ < trail_.size()) {
        const std::uint16_t cell = trail_[queue_++];
        ok = Process(cell >> 5, cell & 31);
    }
    dirtyColumns_ = full_;
    if (ok) CheckOrders();
    queue_ = trail_.size();
    dirtyColumns_ = 0;
    mark_[0] = trail_.size();
    valid_ = 0;
}

bool IncrementalFill::Fill(const Table& trial, int firstChanged, int filled) {
    const int positions = static_cast<int>(cellOf_.size());
    int p = valid_ < firstChanged ? valid_ : firstChanged;
    if (p < 0) p = 0;
    UndoTo(mark_[static_cast<std::size_t>(p)]);
    int count = filledBefore_[static_cast<std::size_t>(p)];
    while (count < filled && p < positions) {
        const std::size_t sp = static_cast<std::size_t>(p);
        mark_[sp] = trail_.size();
        filledBefore_[sp] = count;
        const int r = cellOf_[sp] >> 5, c = cellOf_[sp] & 31;
        const int v = trial[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
        if (v != 0) {
            ++count;
            bool ok = v <= n_ && Assign(r, c, v);
            while (ok && queue_ < trail_.size()) {
                const std::uint16_t cell = trail_[queue_++];
                ok = Process(cell >> 5, cell & 31);
            }
            if (ok) ok = CheckOrders();
            if (!ok) {
                UndoTo(mark_[sp]);
                valid_ = p;
                return false;
            }
        }
        ++p;
    }
    mark_[static_cast<std::size_t>(p)] = trail_.size();
    filledBefore_[static_cast<std::size_t>(p)] = count;
    valid_ = p;
    return true;
}

void IncrementalFill::UndoTo(std::size_t mark) {
    while (trail_.size() > mark) {
        const std::uint16_t cell = trail_.back();
        trail_.pop_back();
        const std::size_t r = cell >> 5, c = cell & 31;
        const int v = w_[r][c];
        w_[r][c] = 0;
        rowHas_[r] &= ~Bit(v);
        colHas_[c] &= ~Bit(v);
        rowEmpty_[r] |= Bit(static_cast<int>(c));
        colEmpty_[c] |= Bit(static_cast<int>(r));
        rowPos_[r][static_cast<std::size_t>(v)] = 0;
        valueRows_[static_cast<std::size_t>(v)] &= ~Bit(static_cast<int>(r));
        colPos_[c][static_cast<std::size_t>(v)] = 0;
        valueCols_[static_cast<std::size_t>(v)] &= ~Bit(static_cast<int>(c));
    }
    queue_ = trail_.size();
    dirtyColumns_ = 0;
}

bool IncrementalFill::Assign(int r, int c, int v) {
    const std::size_t sr = static_cast<std::size_t>(r), sc = static_cast<std::size_t>(c);
    if (w_[sr][sc] != 0) return w_[sr][sc] == v;
    const std::uint32_t b = Bit(v);
    if ((rowHas_[sr] | colHas_[sc]) & b) return false;  // repeated in its row or column
    if (rules_.blocks && v != 1 && r >= 2 && c >= 2) {
        const std::uint32_t both = blockOfElement_[sr] & blockOfElement_[sc];
        const std::uint32_t one = (blockOfElement_[sr] | blockOfElement_[sc]) & ~both;
        for (std::size_t k = 0; k < blockMask_.size(); ++k) {
            const bool inRange = (blockMask_[k] & b) != 0;
            if ((one & Bit(static_cast<int>(k))) && inRange) return false;
            if ((both & Bit(static_cast<int>(k))) && !inRange) return false;
        }
    }
    w_[sr][sc] = static_cast<std::uint8_t>(v);
    rowHas_[sr] |= b;
    colHas_[sc] |= b;
    rowEmpty_[sr] &= ~Bit(c);
    colEmpty_[sc] &= ~Bit(r);
    rowPos_[sr][static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(c);
    valueRows_[static_cast<std::size_t>(v)] |= Bit(r);
    colPos_[sc][static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(r);
    valueCols_[static_cast<std::size_t>(v)] |= Bit(c);
    trail_.push_back(static_cast<std::uint16_t>(r * 32 + c));
    dirtyColumns_ |= Bit(c);
    return true;
}

bool IncrementalFill::Process(int r, int c) {
    const std::size_t sr = static_cast<std::size_t>(r), sc = static_cast<std::size_t>(c);
    const int v = w_[sr][sc];
    // Uniqueness of inverses.
    if (v == 1) {
        const int back = w_[sc][sr];
        if (back == 0) {
            if (!Assign(c, r, 1)) return false;
        } else if (back != 1) {
            return false;
        }
    } else if (w_[sc][sr] == 1) {
        return false;
    }
    // Last gap of the row and of the column.
    if (OneBit(rowEmpty_[sr])) {
        const std::uint32_t missing = full_ & ~rowHas_[sr];
        if (!OneBit(missing) || !Assign(r, Single(rowEmpty_[sr]), Single(missing))) return false;
    }
    if (OneBit(colEmpty_[sc])) {
        const std::uint32_t missing = full_ & ~colHas_[sc];
        if (!OneBit(missing) || !Assign(Single(colEmpty_[sc]), c, Single(missing))) return false;
    }
    // Last gap of a subgroup block's row or column.
    if (rules_.blocks) {
        std::uint32_t both = blockOfElement_[sr] & blockOfElement_[sc];
        while (both) {
            const int k = Single(both);
            both &= both - 1;
            if (!CheckBlockRow(k, r) || !CheckBlockColumn(k, c)) return false;
        }
    }
    // Associativity of every triple that has this cell as one of its four;
    // only triples with another known cell can tell anything. Row 0 and
    // column 0 of the table stay empty, so an unknown product looks up 0.
    const std::uint32_t searched = full_ & ~Bit(1);
    const std::size_t sv = static_cast<std::size_t>(v);
    if (r >= 2 && c >= 2) {
        // (rc)z = r(cz) for every z with cz known (with cz unknown the
        // triple can neither deduce nor contradict), rc = v.
        const std::uint8_t* rowV = w_[sv].data();
        const std::uint8_t* rowC = w_[sc].data();
        const std::uint8_t* rowR = w_[sr].data();
        for (std::uint32_t m = ~rowEmpty_[sc] & searched; m; m &= m - 1) {
            const int z = Single(m);
            const int abc = rowV[z], bc = rowC[z], a_bc = rowR[bc];
            if (abc == a_bc) continue;
            if (abc == 0) {
                if (!Assign(v, z, a_bc)) return false;
            } else if (a_bc == 0) {
                if (!Assign(r, bc, abc)) return false;
            } else {
                return false;
            }
        }
        // (ar)c = a(rc) for every a with ar known, rc = v.
        for (std::uint32_t m = ~colEmpty_[sr] & searched; m; m &= m - 1) {
            const std::uint8_t* rowA = w_[static_cast<std::size_t>(Single(m))].data();
            const int ab = rowA[r], a_bc = rowA[v];
            const int abc = w_[static_cast<std::size_t>(ab)][sc];
            if (abc == a_bc) continue;
            if (abc == 0) {
                if (!Assign(ab, c, a_bc)) return false;
            } else if (a_bc == 0) {
                if (!Assign(Single(m), v, abc)) return false;
            } else {
                return false;
            }
        }
    }
    if (c >= 2) {
        // (ab)c = a(bc) for every ab = r with bc known: (ab)c is this cell.
        for (std::uint32_t m = ~colEmpty_[sc] & valueCols_[sr] & searched; m; m &= m - 1) {
            const int b = Single(m);
            const int a = colPos_[static_cast<std::size_t>(b)][sr];
            if (a < 2) continue;
            const int bc = w_[static_cast<std::size_t>(b)][sc];
            const int a_bc = w_[static_cast<std::size_t>(a)][static_cast<std::size_t>(bc)];
            if (a_bc == v) continue;
            if (a_bc != 0 || !Assign(a, bc, v)) return false;
        }
    }
    if (r >= 2) {
        // (rb)z = r(bz) for every bz = c with rb known: r(bz) is this cell.
        for (std::uint32_t m = ~rowEmpty_[sr] & valueRows_[sc] & searched; m; m &= m - 1) {
            const int b = Single(m);
            const int z = rowPos_[static_cast<std::size_t>(b)][sc];
            if (z < 2) continue;
            const int ab = w_[sr][static_cast<std::size_t>(b)];
            const int abc = w_[static_cast<std::size_t>(ab)][static_cast<std::size_t>(z)];
            if (abc == v) continue;
            if (abc != 0 || !Assign(ab, z, v)) return false;
        }
    }
    return true;
}

bool IncrementalFill::CheckBlockRow(int k, int r) {
    const std::uint32_t mask = blockMask_[static_cast<std::size_t>(k)];
    const std::uint32_t gaps = rowEmpty_[static_cast<std::size_t>(r)] & mask;
    if (!OneBit(gaps)) return true;
    std::uint32_t present = Bit(r);
    for (std::uint32_t m = mask & ~gaps; m; m &= m - 1)
        present |= Bit(w_[static_cast<std::size_t>(r)][static_cast<std::size_t>(Single(m))]);
    const std::uint32_t missing = (mask | Bit(1)) & ~present;
    return OneBit(missing) && Assign(r, Single(gaps), Single(missing));
}

bool IncrementalFill::CheckBlockColumn(int k, int c) {
    const std::uint32_t mask = blockMask_[static_cast<std::size_t>(k)];
    const std::uint32_t gaps = colEmpty_[static_cast<std::size_t>(c)] & mask;
    if (!OneBit(gaps)) return true;
    std::uint32_t present = Bit(c);
    for (std::uint32_t m = mask & ~gaps; m; m &= m - 1)
        present |= Bit(w_[static_cast<std::size_t>(Single(m))][static_cast<std::size_t>(c)]);
    const std::uint32_t missing = (mask | Bit(1)) & ~present;
    return OneBit(missing) && Assign(Single(gaps), c, Single(missing));
}

bool IncrementalFill::CheckOrders() {
    std::uint32_t dirty = dirtyColumns_ & ~Bit(1);
    dirtyColumns_ = 0;
    if (!rules_.elementOrders && !rules_.cyclicOnly) return true;
    const int n = n_;
    while (dirty) {
        const int x = Single(dirty);
        dirty &= dirty - 1;
        int current = x, count = 1;
        while (current >= 2) {
            if (count > n) return false;  // the powers never reach the identity
            current = w_[static_cast<std::size_t>(current)][static_cast<std::size_t>(x)];
            if (current == 0) break;
            ++count;
        }
        if (current == 0) continue;
        if (rules_.elementOrders) {
            if (n % count != 0) return false;
            const int bound = orderBound_[static_cast<std::size_t>(x)];
            if (bound != 0 && bound % count != 0) return false;
        }
        if (rules_.cyclicOnly && count > rules_.maxOrder) return false;
    }
    return true;
}

}  // namespace quorix
