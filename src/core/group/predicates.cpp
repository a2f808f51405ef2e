#include "core/group/predicates.h"

#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "core/group/math_functions.h"

namespace quorix {

bool IsGroupTable(const CayleyTable& table, int n) {
    std::unordered_map<std::string, int> index;
    for (int j = 0; j < n; ++j) {
        const std::string& name = table[0][static_cast<std::size_t>(j)];
        if (name.empty() || !index.emplace(name, j).second) return false;
    }
    std::vector<int> t(static_cast<std::size_t>(n * n));
    for (int a = 0; a < n; ++a) {
        std::vector<bool> seen(static_cast<std::size_t>(n), false);
        for (int b = 0; b < n; ++b) {
            const auto it = index.find(table[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)]);
            if (it == index.end() || seen[static_cast<std::size_t>(it->second)]) return false;
            seen[static_cast<std::size_t>(it->second)] = true;
            t[static_cast<std::size_t>(a * n + b)] = it->second;
        }
    }
    for (int a = 0; a < n; ++a) {
        if (t[static_cast<std::size_t>(a * n)] != a) return false;
        std::vector<bool> seen(static_cast<std::size_t>(n), false);
        for (int b = 0; b < n; ++b) {
            const int c = t[static_cast<std::size_t>(b * n + a)];
            if (seen[static_cast<std::size_t>(c)]) return false;
            seen[static_cast<std::size_t>(c)] = true;
        }
    }
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b) {
            const int ab = t[static_cast<std::size_t>(a * n + b)];
            for (int c = 0; c < n; ++c)
                if (t[static_cast<std::size_t>(ab * n + c)] !=
                    t[static_cast<std::size_t>(a * n + t[static_cast<std::size_t>(b * n + c)])])
                    return false;
        }
    return true;
}

bool IsPermutationList(const std::vector<std::string>& perms) {
    if (perms.empty()) return false;
    const std::size_t d = perms[0].size();
    if (d < 1 || d > 15 || perms[0] != MathFunctions::IdentityPermutation(static_cast<int>(d))) return false;
    std::unordered_set<std::string_view> seen;
    for (const std::string& p : perms)
        if (p.size() != d || !MathFunctions::IsPermutationString(p) || !seen.insert(p).second) return false;
    return true;
}

bool IsSubgroupOf(const Group& parent, const ElementSet& members) {
    if (!members.test(1)) return false;
    const int n = parent.order();
    for (int a = 1; a <= n; ++a) {
        if (!members.test(static_cast<std::size_t>(a))) continue;
        for (int b = 1; b <= n; ++b)
            if (members.test(static_cast<std::size_t>(b)) && !members.test(static_cast<std::size_t>(parent.mul(a, b))))
                return false;
    }
    return true;
}

bool IsNormalSubgroupOf(const Group& g, const Group& n) {
    ElementSet inN;
    for (int i = 1; i <= n.order(); ++i) {
        const int s = g.sourceIndexOfName(n.sourceName(i));
        if (s < 1) return false;
        inN.set(static_cast<std::size_t>(s));
    }
    if (!inN.test(1) || static_cast<int>(inN.count()) != n.order()) return false;
    for (int a = 1; a <= g.order(); ++a) {
        if (!inN.test(static_cast<std::size_t>(a))) continue;
        for (int b = 1; b <= g.order(); ++b) {
            if (inN.test(static_cast<std::size_t>(b)) && !inN.test(static_cast<std::size_t>(g.srcMul(a, b))))
                return false;
            const int conj = g.srcMul(g.srcMul(g.srcInv(b), a), b);
            if (!inN.test(static_cast<std::size_t>(conj))) return false;
        }
    }
    return true;
}

}  // namespace quorix
