#include "core/analysis/conjugacy_classes.h"

#include <unordered_map>

#include "core/host/host.h"

namespace quorix {

namespace {

ElementSet Conjugate(const Group& g, const ElementSet& h, int x) {
    ElementSet c;
    const int xi = g.inv(x);
    for (int e = 1; e <= g.order(); ++e)
        if (h.test(static_cast<std::size_t>(e))) c.set(static_cast<std::size_t>(g.mul(g.mul(xi, e), x)));
    return c;
}

}  // namespace

ConjugacyClasses ComputeConjugacyClasses(const Group& g, bool originalNames) {
    ConjugacyClasses result;
    result.sourceIndices = originalNames;
    const int n = g.order();
    auto mul = [&](int a, int b) { return originalNames ? g.srcMul(a, b) : g.mul(a, b); };
    auto inv = [&](int a) { return originalNames ? g.srcInv(a) : g.inv(a); };
    std::vector<bool> processed(static_cast<std::size_t>(n) + 1, false);
    std::vector<int> witness(static_cast<std::size_t>(n) + 1, 0);
    int processedCount = 0;
    Host& h = host();
    for (int x = 1; x <= n && processedCount < n; ++x) {
        if (processed[static_cast<std::size_t>(x)]) continue;
        ConjugacyClass cls;
        cls.representative = x;
        std::fill(witness.begin(), witness.end(), 0);
        for (int y = 1; y <= n; ++y) {
            const int c = mul(mul(inv(y), x), y);
            if (witness[static_cast<std::size_t>(c)] == 0) witness[static_cast<std::size_t>(c)] = y;
        }
        for (int j = x; j <= n; ++j) {
            const int y = witness[static_cast<std::size_t>(j)];
            if (y == 0) continue;
            processed[static_cast<std::size_t>(j)] = true;
            ++processedCount;
            cls.members.push_back({j, y, inv(y)});
            h.setProcessingText(std::to_string(processedCount) + " elements processed...");
            h.pumpEvents();
            if (h.haltRequested()) {
                result.halted = true;
                break;
            }
        }
        result.classes.push_back(std::move(cls));
        if (result.halted) break;
    }
    return result;
}

SubgroupClasses ComputeSubgroupConjugacyClasses(const Group& g, const std::vector<ElementSet>& memberships) {
    SubgroupClasses result;
    const int count = static_cast<int>(memberships.size());
    std::unordered_map<ElementSet, int> position;
    for (int s = count; s >= 1; --s) position[memberships[static_cast<std::size_t>(s - 1)]] = s;
    std::vector<bool> processed(static_cast<std::size_t>(count) + 1, false);
    std::vector<int> witness(static_cast<std::size_t>(count) + 1, 0);
    int processedCount = 0;
    Host& h = host();
    for (int r = 1; r <= count && processedCount < count; ++r) {
        if (processed[static_cast<std::size_t>(r)]) continue;
        SubgroupClass cls;
        cls.representative = r;
        std::fill(witness.begin(), witness.end(), 0);
        for (int x = 1; x <= g.order(); ++x) {
            auto it = position.find(Conjugate(g, memberships[static_cast<std::size_t>(r - 1)], x));
            if (it != position.end() && it->second >= r && witness[static_cast<std::size_t>(it->second)] == 0)
                witness[static_cast<std::size_t>(it->second)] = x;
        }
        for (int t = r; t <= count; ++t) {
            const int x = witness[static_cast<std::size_t>(t)];
            if (x == 0) continue;
            processed[static_cast<std::size_t>(t)] = true;
            ++processedCount;
            cls.members.push_back({t, x, g.inv(x)});
            h.setProcessingText(std::to_string(processedCount) + " subgroup(s) processed...");
            h.pumpEvents();
            if (h.haltRequested()) {
                result.halted = true;
                break;
            }
        }
        result.classes.push_back(std::move(cls));
        if (result.halted) break;
    }
    return result;
}

std::vector<int> ConjugacyClassSizes(const Group& g) {
    const int n = g.order();
    std::vector<bool> seen(static_cast<std::size_t>(n) + 1, false);
    std::vector<int> sizes;
    for (int x = 1; x <= n; ++x) {
        if (seen[static_cast<std::size_t>(x)]) continue;
        int size = 0;
        for (int y = 1; y <= n; ++y) {
            const int c = g.mul(g.mul(g.inv(y), x), y);
            if (!seen[static_cast<std::size_t>(c)]) {
                seen[static_cast<std::size_t>(c)] = true;
                ++size;
            }
        }
        sizes.push_back(size);
    }
    return sizes;
}

std::vector<int> SubgroupClassSizes(const Group& g, const std::vector<ElementSet>& memberships) {
    std::unordered_map<ElementSet, int> position;
    for (std::size_t s = 0; s < memberships.size(); ++s) position[memberships[s]] = static_cast<int>(s);
    std::vector<bool> seen(memberships.size(), false);
    std::vector<int> sizes;
    for (std::size_t r = 0; r < memberships.size(); ++r) {
        if (seen[r]) continue;
        int size = 0;
        for (int x = 1; x <= g.order(); ++x) {
            auto it = position.find(Conjugate(g, memberships[r], x));
            if (it != position.end() && !seen[static_cast<std::size_t>(it->second)]) {
                seen[static_cast<std::size_t>(it->second)] = true;
                ++size;
            }
        }
        sizes.push_back(size);
    }
    return sizes;
}

}  // namespace quorix
