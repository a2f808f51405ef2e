#include "core/analysis/conjugacy_classes.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <utility>

#include "core/analysis/subgroup_sets.h"

namespace quorix {

namespace {

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

// The conjugates K = w⁻¹·H·w of a representative H are met in the right
// cosets N·w of its normalizer N, so the first witness of each is the lowest
// position of its coset: one conjugation per coset instead of per element.
SubgroupClasses ClassesOfSubgroups(const Group& g, const std::vector<ElementSet>& memberships, Progress* progress) {
    SubgroupClasses result;
    const int n = g.order();
    const int count = static_cast<int>(memberships.size());
    std::unordered_map<ElementSet, int> position;
    for (int s = count; s >= 1; --s) position[memberships[static_cast<std::size_t>(s - 1)]] = s;
    std::vector<bool> processed(static_cast<std::size_t>(count) + 1, false);
    std::vector<char> covered(static_cast<std::size_t>(n) + 1);
    int processedCount = 0;
    for (int r = 1; r <= count && processedCount < count; ++r) {
        if (processed[static_cast<std::size_t>(r)]) continue;
        const ElementSet& h = memberships[static_cast<std::size_t>(r - 1)];
        std::vector<int> elements;
        for (int e = 1; e <= n; ++e)
            if (h.test(static_cast<std::size_t>(e))) elements.push_back(e);
        // A generating set of H, then N = {w : w⁻¹·s·w ∈ H for its generators s}.
        std::vector<int> generators;
        {
            ElementSet spanned;
            spanned.set(1);
            for (int e : elements)
                if (!spanned.test(static_cast<std::size_t>(e))) {
                    generators.push_back(e);
                    spanned = GeneratedSubgroup(g, generators);
                }
        }
        std::vector<int> normalizer;
        for (int w = 1; w <= n; ++w) {
            const int wi = g.inv(w);
            bool normalizes = true;
            for (std::size_t i = 0; i < generators.size() && normalizes; ++i)
                normalizes = h.test(static_cast<std::size_t>(g.mul(g.mul(wi, generators[i]), w)));
            if (normalizes) normalizer.push_back(w);
        }
        std::vector<std::pair<int, int>> found;  // (list position, first witness)
        std::fill(covered.begin(), covered.end(), 0);
        for (int w = 1; w <= n; ++w) {
            if (covered[static_cast<std::size_t>(w)]) continue;
            for (int m : normalizer) covered[static_cast<std::size_t>(g.mul(m, w))] = 1;
            const int wi = g.inv(w);
            ElementSet c;
            for (int e : elements) c.set(static_cast<std::size_t>(g.mul(g.mul(wi, e), w)));
            auto it = position.find(c);
            if (it != position.end() && it->second >= r) found.emplace_back(it->second, w);
        }
        std::sort(found.begin(), found.end());
        std::vector<ConjugateSubgroup> members;
        for (auto [t, w] : found) {
            processed[static_cast<std::size_t>(t)] = true;
            ++processedCount;
            members.push_back({t, w, g.inv(w)});
            if (progress) {
                progress->Report(std::to_string(processedCount) + " subgroup(s) processed...");
                if (progress->StopRequested()) {
                    result.halted = true;
                    break;
                }
            }
        }
        result.classes.push_back({r, std::move(members)});
        if (result.halted) break;
    }
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
