#include "core/compare/solution_analysis.h"

#include <cassert>
#include <functional>

#include "core/compare/homomorphism.h"
#include "core/group/group_spec.h"
#include "core/group/math_functions.h"

namespace quorix {

bool IsSolvable(const GroupPtr& g, StructureAnalysis& analysis, SolutionAnalysisCache& cache, Progress& progress) {
    {
        const std::scoped_lock hold(cache.lock);
        if (g->IsObject(cache.solvabilityOf)) return cache.solvable;
    }
    const std::vector<GroupPtr> series = analysis.CompositionSeries(g, progress);
    if (series.empty() || progress.Stopped()) return false;
    bool solvable = true;
    for (std::size_t i = 1; i < series.size() && solvable; ++i) {
        const int above = series[i - 1]->Order(), below = series[i]->Order();
        solvable = below > 0 && above % below == 0 && MathFunctions::IsPrime(above / below);
    }
    const std::scoped_lock hold(cache.lock);
    cache.solvabilityOf = g->IdentityToken();
    cache.solvable = solvable;
    return solvable;
}

GroupPtr CachedSymmetricGroup(SolutionAnalysisCache& cache, int degree) {
    {
        const std::scoped_lock hold(cache.lock);
        if (cache.symmetric && cache.symmetric->Degree() == degree) return cache.symmetric;
    }
    GroupPtr built = Group::Create();
    built->GenerateSymmetric(degree);
    const std::scoped_lock hold(cache.lock);
    cache.symmetric = built;
    return built;
}

GroupPtr CachedAlternatingGroup(SolutionAnalysisCache& cache, int degree) {
    {
        const std::scoped_lock hold(cache.lock);
        if (cache.alternating && cache.alternating->Degree() == degree) return cache.alternating;
    }
    GroupPtr built = Group::Create();
    built->GenerateAlternating(degree);
    const std::scoped_lock hold(cache.lock);
    cache.alternating = built;
    return built;
}

namespace {

// "1" -> '1', 'a'..'h' -> '2'..'9', 'i'..'s' -> 'A'..'K'.
char CodeSymbol(const std::string& code) {
    if (code == "1") return '1';
    const char c = code[0];
    return c <= 'h' ? static_cast<char>(c - 47) : static_cast<char>(c - 40);
}

bool IsSearchCode(const std::string& s) { return s == "1" || (s.size() == 1 && s[0] >= 'a' && s[0] <= 's'); }

// The group's own test up to order 20, the homomorphism search above.
bool Isomorphic(Group& g, const Group& h) {
    if (g.Order() != h.Order()) return false;
    if (g.Order() <= kMaxTableOrder) return g.IsIsomorphic(h);
    HomomorphismSearch search;
    search.Start(MultiplicationTable::FromGroup(g), MultiplicationTable::FromGroup(h));
    return search.Next();
}

}  // namespace

GroupPtr GetPermutationGroup(const Group& g, const std::string& kind,
                             const std::function<std::string(const std::string&)>& nameToCode) {
    const int n = g.order();
    std::vector<std::string> codes(static_cast<std::size_t>(n + 1));
    bool searchCodes = true;
    for (int i = 1; i <= n; ++i) {
        codes[static_cast<std::size_t>(i)] = nameToCode ? nameToCode(g.sourceName(i)) : g.sourceName(i);
        searchCodes = searchCodes && IsSearchCode(codes[static_cast<std::size_t>(i)]);
    }
    auto symbol = [&](int i) {
        if (searchCodes) return CodeSymbol(codes[static_cast<std::size_t>(i)]);
        return i <= 9 ? static_cast<char>('0' + i) : static_cast<char>(i + 55);
    };
    const bool rows = kind == "row";
    std::vector<std::string> generators;
    for (int k = 1; k <= n; ++k) {
        std::string p;
        for (int j = 1; j <= n; ++j) p += symbol(rows ? g.srcMul(k, j) : g.srcMul(j, k));
        generators.push_back(std::move(p));
    }
    GroupPtr result = Group::Create();
    result->GeneratePermutational(generators);
    assert(g.IsIsomorphic(*result));
    return result;
}

std::vector<NamedGroupEntry> RecogniseNamedGroups(const GroupPtr& gp, const GroupRegistrar& registrar,
                                                  SolutionAnalysisCache& cache,
                                                  const std::function<std::string(const std::string&)>& nameToCode) {
    Group& g = *gp;
    const int n = g.Order();
    std::vector<NamedGroupEntry> list;
    auto add = [&](NamedGroupKind kind, const GroupPtr& h, std::vector<std::string> lines, const std::string& id) {
        h->SetGroupID(id);
        registrar.Register(h, id);
        list.push_back({kind, h, std::move(lines)});
    };
    auto room = [&] { return static_cast<int>(list.size()) < kMaxRecognisedEntries; };

    int k = 1;
    while (MathFunctions::Factorial(k) < n) ++k;
    if (MathFunctions::Factorial(k) == n && k <= 5) {
        GroupPtr s = CachedSymmetricGroup(cache, k);
        if (Isomorphic(g, *s)) add(NamedGroupKind::Symmetric, s, {"  Symmetric Group"}, s->GroupID());
    }
    k = 1;
    while (MathFunctions::Factorial(k) < 2LL * n) ++k;
    if (MathFunctions::Factorial(k) == 2LL * n && k <= 5) {
        GroupPtr a = CachedAlternatingGroup(cache, k);
        if (Isomorphic(g, *a)) add(NamedGroupKind::Alternating, a, {"  Alternating Group"}, a->GroupID());
    }
    const bool cyclic = g.Cyclic();
    if (cyclic) {
        GroupPtr z = Group::Create();
        z->GenerateAdditive(n);
        add(NamedGroupKind::Additive, z, {"  Additive Integer Group"}, z->GroupID());
    }
    const bool abelian = g.Abelian();
    if (abelian) {
        for (int m = n; m <= 4 * n + 10 && room(); ++m) {
            if (m < 2) continue;
            if (MathFunctions::EulerPhi(m) != n) continue;
            GroupPtr u = Group::Create();
            u->GenerateMultiplicative(m);
            if (Isomorphic(g, *u))
                add(NamedGroupKind::Multiplicative, u, {"  Multiplicative Integer Group"}, u->GroupID());
        }
    }
    // A product of cyclic groups is abelian: a group that is not has none
    // to compare with (above order 20 each refusal would be a search).
    if (abelian && !cyclic && room()) {
        // Factor lists from the divisors of n: pairs before triples before
        // longer lists (up to six factors, as a product of Z2's has at
        // most), each ascending, the first product isomorphic to g listed.
        std::vector<std::vector<int>> lists;
        std::vector<int> factors;
        const std::function<void(int, int, std::size_t)> extend = [&](int rest, int least, std::size_t length) {
            if (factors.size() + 1 == length) {
                if (rest >= least) {
                    factors.push_back(rest);
                    lists.push_back(factors);
                    factors.pop_back();
                }
                return;
            }
            for (int a = least; a * a <= rest; ++a)
                if (rest % a == 0) {
                    factors.push_back(a);
                    extend(rest / a, a, length);
                    factors.pop_back();
                }
        };
        for (std::size_t length = 2; length <= kMaxSpecFactors; ++length) extend(n, 2, length);
        for (const auto& factors : lists) {
            GroupPtr product;
            for (int f : factors) {
                GroupPtr z = Group::Create();
                z->GenerateAdditive(f);
                if (!product) {
                    product = z;
                } else {
                    GroupPtr next = Group::Create();
                    next->GenerateDirectProduct(product, z);
                    product = next;
                }
            }
            if (Isomorphic(g, *product)) {
                add(NamedGroupKind::DirectProduct, product, {"  Direct Product Group"}, product->GroupID());
                break;
            }
        }
    }
    if (n < 16 && room()) {
        GroupPtr r = GetPermutationGroup(g, "row", nameToCode);
        add(NamedGroupKind::Rows, r, {"Permutation Group defined by", "rows of Cayley table"},
            "Rows(" + g.GroupID() + ")");
    }
    if (n < 16 && room() && !abelian) {
        GroupPtr c = GetPermutationGroup(g, "column", nameToCode);
        add(NamedGroupKind::Columns, c, {"Permutation Group defined by", "columns of Cayley table"},
            "Columns(" + g.GroupID() + ")");
    }
    return list;
}

}  // namespace quorix
