#include "core/analysis/conjugacy_classes.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace quorix {

namespace {

ElementSet Conjugate(const Group& g, const ElementSet& h, int x) {
    ElementSet c;
    const int xi = g.inv(x);
    for (int e = 1; e <= g.order(); ++e)
        if (h.test(static_cast<std::size_t>(e))) c.set(static_cast<std::size_t>(g.mul(g.mul(xi, e), x)));
    return c;
}

// The classes of `count` objects under conjugation, each object j with the
// first witness w = 1, 2, ... of G whose conjugate of the representative is
// j. `conjugate(r, w)` gives that conjugate (0 for none in the list).
template <class Member, class ConjugateFn, class InverseFn>
void ClassesOf(int count, int witnesses, ConjugateFn conjugate, InverseFn inverse, Progress* progress, const char* unit,
               std::vector<std::pair<int, std::vector<Member>>>& classes, bool& halted) {
    std::vector<bool> processed(static_cast<std::size_t>(count) + 1, false);
    std::vector<int> witness(static_cast<std::size_t>(count) + 1, 0);
    int processedCount = 0;
    for (int r = 1; r <= count && processedCount < count; ++r) {
        if (processed[static_cast<std::size_t>(r)]) continue;
        std::vector<Member> members;
        std::fill(witness.begin(), witness.end(), 0);
        for (int w = 1; w <= witnesses; ++w) {
            const int c = conjugate(r, w);
            if (c >= r && witness[static_cast<std::size_t>(c)] == 0) witness[static_cast<std::size_t>(c)] = w;
        }
        for (int t = r; t <= count; ++t) {
            const int w = witness[static_cast<std::size_t>(t)];
            if (w == 0) continue;
            processed[static_cast<std::size_t>(t)] = true;
            ++processedCount;
            members.push_back({t, w, inverse(w)});
            if (progress) {
                progress->Report(std::to_string(processedCount) + unit);
                if (progress->StopRequested()) {
                    halted = true;
                    break;
                }
            }
        }
        classes.emplace_back(r, std::move(members));
        if (halted) break;
    }
}

ConjugacyClasses ElementClasses(const Group& g, bool originalNames, Progress* progress) {
    ConjugacyClasses result;
    result.sourceIndices = originalNames;
    auto mul = [&](int a, int b) { return originalNames ? g.srcMul(a, b) : g.mul(a, b); };
    auto inv = [&](int a) { return originalNames ? g.srcInv(a) : g.inv(a); };
    std::vector<std::pair<int, std::vector<ConjugateElement>>> classes;
    ClassesOf<ConjugateElement>(
        g.order(), g.order(), [&](int x, int y) { return mul(mul(inv(y), x), y); }, inv, progress,
        " elements processed...", classes, result.halted);
    for (auto& [representative, members] : classes) result.classes.push_back({representative, std::move(members)});
    return result;
}

SubgroupClasses ClassesOfSubgroups(const Group& g, const std::vector<ElementSet>& memberships, Progress* progress) {
    SubgroupClasses result;
    std::unordered_map<ElementSet, int> position;
    for (int s = static_cast<int>(memberships.size()); s >= 1; --s)
        position[memberships[static_cast<std::size_t>(s - 1)]] = s;
    auto conjugate = [&](int r, int x) {
        auto it = position.find(Conjugate(g, memberships[static_cast<std::size_t>(r - 1)], x));
        return it == position.end() ? 0 : it->second;
    };
    std::vector<std::pair<int, std::vector<ConjugateSubgroup>>> classes;
    ClassesOf<ConjugateSubgroup>(
        static_cast<int>(memberships.size()), g.order(), conjugate, [&](int x) { return g.inv(x); }, progress,
        " subgroup(s) processed...", classes, result.halted);
    for (auto& [representative, members] : classes) result.classes.push_back({representative, std::move(members)});
    return result;
}

template <class Classes>
std::vector<int> Sizes(const Classes& c) {
    std::vector<int> sizes;
    for (const auto& cls : c.classes) sizes.push_back(cls.Size());
    return sizes;
}

}  // namespace

ConjugacyClasses ComputeConjugacyClasses(const Group& g, bool originalNames, Progress& progress) {
    return ElementClasses(g, originalNames, &progress);
}

SubgroupClasses ComputeSubgroupConjugacyClasses(const Group& g, const std::vector<ElementSet>& memberships,
                                                Progress& progress) {
    return ClassesOfSubgroups(g, memberships, &progress);
}

std::vector<int> ConjugacyClassSizes(const Group& g) { return Sizes(ElementClasses(g, false, nullptr)); }

std::vector<int> SubgroupClassSizes(const Group& g, const std::vector<ElementSet>& memberships) {
    return Sizes(ClassesOfSubgroups(g, memberships, nullptr));
}

}  // namespace quorix
