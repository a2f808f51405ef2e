// Incremental fill: deductions propagated from the cells that changed, with
// an undo trail per prefix of the trial table.

#include "core/search/incremental_fill.h"

#include <bit>

namespace quorix {

namespace {
constexpr std::uint32_t bit(int k) { return 1u << k; }
inline int single(std::uint32_t m) { return std::countr_zero(m); }
}  // namespace

void IncrementalFill::configure(const Rules& rules) {
    rules_ = rules;
    n_ = rules.n;
    const int n = n_;
    full_ = (bit(n + 1) - 1) & ~1u;
    w_ = {};
    rowHas_ = {};
    colHas_ = {};
    rowEmpty_ = {};
    colEmpty_ = {};
    rowPos_ = {};
    for (int r = 1; r <= n; ++r) rowEmpty_[static_cast<std::size_t>(r)] = colEmpty_[static_cast<std::size_t>(r)] = full_;
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
                m |= bit(x);
                blockOfElement_[static_cast<std::size_t>(x)] |= bit(static_cast<int>(k));
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
    for (int j = 1; j <= n; ++j) assign(1, j, j);
    for (int i = 2; i <= n; ++i) assign(i, 1, i);
    bool ok = true;
    for (std::size_t k = 0; k < blockMask_.size() && ok; ++k)
        for (int x = 2; x <= n && ok; ++x)
            if (blockMask_[k] & bit(x)) ok = checkBlockRow(static_cast<int>(k), x) && checkBlockColumn(static_cast<int>(k), x);
    while (ok && queue_ < trail_.size()) {
        const std::uint16_t cell = trail_[queue_++];
        ok = process(cell >> 5, cell & 31);
    }
    dirtyColumns_ = full_;
    if (ok) checkOrders();
    queue_ = trail_.size();
    dirtyColumns_ = 0;
    mark_[0] = trail_.size();
    valid_ = 0;
}

bool IncrementalFill::fill(const Table& trial, int firstChanged, int filled) {
    const int positions = static_cast<int>(cellOf_.size());
    int p = valid_ < firstChanged ? valid_ : firstChanged;
    if (p < 0) p = 0;
    undoTo(mark_[static_cast<std::size_t>(p)]);
    int count = filledBefore_[static_cast<std::size_t>(p)];
    while (count < filled && p < positions) {
        const std::size_t sp = static_cast<std::size_t>(p);
        mark_[sp] = trail_.size();
        filledBefore_[sp] = count;
        const int r = cellOf_[sp] >> 5, c = cellOf_[sp] & 31;
        const int v = trial[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
        if (v != 0) {
            ++count;
            bool ok = v <= n_ && assign(r, c, v);
            while (ok && queue_ < trail_.size()) {
                const std::uint16_t cell = trail_[queue_++];
                ok = process(cell >> 5, cell & 31);
            }
            if (ok) ok = checkOrders();
            if (!ok) {
                undoTo(mark_[sp]);
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

void IncrementalFill::undoTo(std::size_t mark) {
    while (trail_.size() > mark) {
        const std::uint16_t cell = trail_.back();
        trail_.pop_back();
        const std::size_t r = cell >> 5, c = cell & 31;
        const int v = w_[r][c];
        w_[r][c] = 0;
        rowHas_[r] &= ~bit(v);
        colHas_[c] &= ~bit(v);
        rowEmpty_[r] |= bit(static_cast<int>(c));
        colEmpty_[c] |= bit(static_cast<int>(r));
        rowPos_[r][static_cast<std::size_t>(v)] = 0;
    }
    queue_ = trail_.size();
    dirtyColumns_ = 0;
}

bool IncrementalFill::assign(int r, int c, int v) {
    const std::size_t sr = static_cast<std::size_t>(r), sc = static_cast<std::size_t>(c);
    if (w_[sr][sc] != 0) return w_[sr][sc] == v;
    const std::uint32_t b = bit(v);
    if ((rowHas_[sr] | colHas_[sc]) & b) return false;  // repeated in its row or column
    if (rules_.blocks && v != 1 && r >= 2 && c >= 2) {
        const std::uint32_t both = blockOfElement_[sr] & blockOfElement_[sc];
        const std::uint32_t one = (blockOfElement_[sr] | blockOfElement_[sc]) & ~both;
        for (std::size_t k = 0; k < blockMask_.size(); ++k) {
            const bool inRange = (blockMask_[k] & b) != 0;
            if ((one & bit(static_cast<int>(k))) && inRange) return false;
            if ((both & bit(static_cast<int>(k))) && !inRange) return false;
        }
    }
    w_[sr][sc] = static_cast<std::uint8_t>(v);
    rowHas_[sr] |= b;
    colHas_[sc] |= b;
    rowEmpty_[sr] &= ~bit(c);
    colEmpty_[sc] &= ~bit(r);
    rowPos_[sr][static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(c);
    trail_.push_back(static_cast<std::uint16_t>(r * 32 + c));
    dirtyColumns_ |= bit(c);
    return true;
}

bool IncrementalFill::triple(int a, int b, int c) {
    const int ab = w_[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
    const int bc = w_[static_cast<std::size_t>(b)][static_cast<std::size_t>(c)];
    const int abc = ab ? w_[static_cast<std::size_t>(ab)][static_cast<std::size_t>(c)] : 0;
    const int a_bc = bc ? w_[static_cast<std::size_t>(a)][static_cast<std::size_t>(bc)] : 0;
    if (abc == 0) {
        if (a_bc && ab) return assign(ab, c, a_bc);
        return true;
    }
    if (a_bc == 0) {
        if (bc) return assign(a, bc, abc);
        return true;
    }
    return abc == a_bc;
}

bool IncrementalFill::process(int r, int c) {
    const std::size_t sr = static_cast<std::size_t>(r), sc = static_cast<std::size_t>(c);
    const int n = n_;
    const int v = w_[sr][sc];
    // Uniqueness of inverses.
    if (v == 1) {
        const int back = w_[sc][sr];
        if (back == 0) {
            if (!assign(c, r, 1)) return false;
        } else if (back != 1) {
            return false;
        }
    } else if (w_[sc][sr] == 1) {
        return false;
    }
    // Last gap of the row and of the column.
    if (std::popcount(rowEmpty_[sr]) == 1) {
        const std::uint32_t missing = full_ & ~rowHas_[sr];
        if (std::popcount(missing) != 1 || !assign(r, single(rowEmpty_[sr]), single(missing))) return false;
    }
    if (std::popcount(colEmpty_[sc]) == 1) {
        const std::uint32_t missing = full_ & ~colHas_[sc];
        if (std::popcount(missing) != 1 || !assign(single(colEmpty_[sc]), c, single(missing))) return false;
    }
    // Last gap of a subgroup block's row or column.
    if (rules_.blocks) {
        std::uint32_t both = blockOfElement_[sr] & blockOfElement_[sc];
        while (both) {
            const int k = single(both);
            both &= both - 1;
            if (!checkBlockRow(k, r) || !checkBlockColumn(k, c)) return false;
        }
    }
    // Associativity of every triple that has this cell as one of its four.
    if (r >= 2 && c >= 2) {
        for (int z = 2; z <= n; ++z)
            if (!triple(r, c, z)) return false;  // (rc)z = r(cz)
        for (int a = 2; a <= n; ++a)
            if (!triple(a, r, c)) return false;  // (ar)c = a(rc)
    }
    if (c >= 2)
        for (int a = 2; a <= n; ++a) {
            const int b = rowPos_[static_cast<std::size_t>(a)][static_cast<std::size_t>(r)];
            if (b >= 2 && !triple(a, b, c)) return false;  // ab = r: (ab)c
        }
    if (r >= 2)
        for (int b = 2; b <= n; ++b) {
            const int z = rowPos_[static_cast<std::size_t>(b)][sc];
            if (z >= 2 && !triple(r, b, z)) return false;  // bz = c: r(bz)
        }
    return true;
}

bool IncrementalFill::checkBlockRow(int k, int r) {
    const std::uint32_t mask = blockMask_[static_cast<std::size_t>(k)];
    const std::uint32_t gaps = rowEmpty_[static_cast<std::size_t>(r)] & mask;
    if (std::popcount(gaps) != 1) return true;
    std::uint32_t present = bit(r);
    for (std::uint32_t m = mask & ~gaps; m; m &= m - 1) present |= bit(w_[static_cast<std::size_t>(r)][static_cast<std::size_t>(single(m))]);
    const std::uint32_t missing = (mask | bit(1)) & ~present;
    return std::popcount(missing) == 1 && assign(r, single(gaps), single(missing));
}

bool IncrementalFill::checkBlockColumn(int k, int c) {
    const std::uint32_t mask = blockMask_[static_cast<std::size_t>(k)];
    const std::uint32_t gaps = colEmpty_[static_cast<std::size_t>(c)] & mask;
    if (std::popcount(gaps) != 1) return true;
    std::uint32_t present = bit(c);
    for (std::uint32_t m = mask & ~gaps; m; m &= m - 1) present |= bit(w_[static_cast<std::size_t>(single(m))][static_cast<std::size_t>(c)]);
    const std::uint32_t missing = (mask | bit(1)) & ~present;
    return std::popcount(missing) == 1 && assign(single(gaps), c, single(missing));
}

bool IncrementalFill::checkOrders() {
    std::uint32_t dirty = dirtyColumns_ & ~bit(1);
    dirtyColumns_ = 0;
    if (!rules_.elementOrders && !rules_.cyclicOnly) return true;
    const int n = n_;
    while (dirty) {
        const int x = single(dirty);
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
