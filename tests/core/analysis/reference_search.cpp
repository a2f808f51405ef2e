#include "reference_search.h"

#include "core/group/math_functions.h"

namespace quorix::testing {

namespace {

class Walk {
public:
    explicit Walk(const Group& g)
        : g_(g), n_(g.Order()), cyclic_(g.Cyclic()), member_(static_cast<std::size_t>(n_) + 1, true) {
        k_ = n_;
    }

    // Advances to the next complete closed subset; false when exhausted.
    bool Next() {
        while (!finished_ && member_[1]) {
            bool pass = cyclic_ ? CyclicTest() : GeneralTest();
            if (pass) {
                bool complete = k_ == n_;
                if (k_ < n_) {
                    ++k_;
                    member_[static_cast<std::size_t>(k_)] = true;
                } else {
                    Snapshot();
                    Backtrack();
                }
                if (complete) return true;
            } else {
                Backtrack();
            }
        }
        return false;
    }

    const ElementSet& Current() const { return current_; }

private:
    bool GeneralTest() const {
        for (int a = 2; a <= k_; ++a) {
            if (!member_[static_cast<std::size_t>(a)]) continue;
            for (int b = 2; b <= k_; ++b) {
                if (!member_[static_cast<std::size_t>(b)]) continue;
                const std::string p = g_.Product(a, b);
                for (int q = 1; q <= k_; ++q)
                    if (g_.Element(q) == p && !member_[static_cast<std::size_t>(q)]) return false;
            }
        }
        return true;
    }

    bool CyclicTest() const {
        int m = 0;
        for (int i = 2; i <= k_; ++i)
            if (member_[static_cast<std::size_t>(i)]) {
                m = i;
                break;
            }
        if (m == 0) return true;
        if (n_ % (m - 1) != 0) return false;
        for (int i = m + 1; i <= k_; ++i)
            if (member_[static_cast<std::size_t>(i)] != ((i - 1) % (m - 1) == 0)) return false;
        return true;
    }

    void Backtrack() {
        int j = k_;
        while (j > 1 && !member_[static_cast<std::size_t>(j)]) --j;
        if (j == 1 && !member_[1]) {
            finished_ = true;
            return;
        }
        member_[static_cast<std::size_t>(j)] = false;
        k_ = j;
    }

    void Snapshot() {
        current_.reset();
        for (int i = 1; i <= n_; ++i)
            if (member_[static_cast<std::size_t>(i)]) current_.set(static_cast<std::size_t>(i));
    }

    const Group& g_;
    int n_;
    bool cyclic_;
    std::vector<bool> member_;
    int k_;
    bool finished_ = false;
    ElementSet current_;
};

}  // namespace

std::vector<ElementSet> ReferenceSubgroupSearch(const Group& g, int limit) {
    std::vector<ElementSet> out;
    Walk walk(g);
    while (walk.Next()) {
        out.push_back(walk.Current());
        if (limit > 0 && static_cast<int>(out.size()) == limit) break;
    }
    return out;
}

bool ReferenceIsNormal(const Group& g, const Group& h) {
    if (2 * h.Order() >= g.Order()) return true;
    for (int i = 2; i <= h.Order(); ++i) {
        const int hg = g.SourceElementIndex(h.SourceElement(i));
        for (int x = 2; x <= g.Order(); ++x) {
            const int xh = g.SourceElementIndex(g.SourceProduct(x, hg));
            const std::string c = g.SourceProduct(xh, g.SourceElementInverseIndex(x));
            if (h.SourceElementIndex(c) == -1) return false;
        }
    }
    return true;
}

ElementSet ReferenceMaximalNormalSubgroup(const GroupPtr& g) {
    const int target = MathFunctions::MaxProperDivisor(g->Order());
    ElementSet best;
    int bestOrder = 0;
    Walk walk(*g);
    while (bestOrder != target && walk.Next()) {
        const int c = static_cast<int>(walk.Current().count());
        if (c < g->Order() && c > bestOrder) {
            GroupPtr s = Group::Create();
            s->GenerateSubgroup(g, walk.Current());
            if (ReferenceIsNormal(*g, *s)) {
                best = walk.Current();
                bestOrder = c;
            }
        }
    }
    return best;
}

std::vector<std::pair<int, std::vector<std::pair<int, int>>>> ReferenceSubgroupClasses(
    const Group& g, const std::vector<ElementSet>& memberships) {
    const int count = static_cast<int>(memberships.size());
    std::vector<bool> placed(static_cast<std::size_t>(count) + 1, false);
    std::vector<std::pair<int, std::vector<std::pair<int, int>>>> classes;
    for (int r = 1; r <= count; ++r) {
        if (placed[static_cast<std::size_t>(r)]) continue;
        std::vector<int> witness(static_cast<std::size_t>(count) + 1, 0);
        const ElementSet& h = memberships[static_cast<std::size_t>(r - 1)];
        for (int w = 1; w <= g.order(); ++w) {
            ElementSet c;
            for (int e = 1; e <= g.order(); ++e)
                if (h.test(static_cast<std::size_t>(e))) c.set(static_cast<std::size_t>(g.mul(g.mul(g.inv(w), e), w)));
            for (int t = 1; t <= count; ++t)
                if (memberships[static_cast<std::size_t>(t - 1)] == c && witness[static_cast<std::size_t>(t)] == 0)
                    witness[static_cast<std::size_t>(t)] = w;
        }
        classes.emplace_back(r, std::vector<std::pair<int, int>>{});
        for (int t = 1; t <= count; ++t)
            if (witness[static_cast<std::size_t>(t)] != 0) {
                placed[static_cast<std::size_t>(t)] = true;
                classes.back().second.emplace_back(t, witness[static_cast<std::size_t>(t)]);
            }
    }
    return classes;
}

}  // namespace quorix::testing
