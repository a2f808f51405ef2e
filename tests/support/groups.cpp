#include "support/groups.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "core/group/group_spec.h"
#include "core/group/math_functions.h"

namespace quorix::testing {

GroupPtr spec(const std::string& s) { return MakeGroupFromSpec(s); }

GroupPtr tableCopy(const Group& g, const std::vector<int>& order) {
    const int n = g.order();
    std::vector<int> label(static_cast<std::size_t>(n) + 1);
    for (int t = 0; t < n; ++t) label[static_cast<std::size_t>(order[static_cast<std::size_t>(t)])] = t + 1;
    auto nameOf = [&](int k) {
        return k == 1 ? std::string("e") : "g" + std::to_string(label[static_cast<std::size_t>(k)]);
    };
    CayleyTable t(static_cast<std::size_t>(n), std::vector<std::string>(static_cast<std::size_t>(n)));
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b)
            t[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] =
                nameOf(g.mul(order[static_cast<std::size_t>(a)], order[static_cast<std::size_t>(b)]));
    auto copy = Group::Create();
    copy->Generate(t);
    copy->SetGroupID("Table(" + g.GroupID() + ")");
    return copy;
}

GroupPtr shuffledCopy(const Group& g, std::mt19937& rng) {
    std::vector<int> order(static_cast<std::size_t>(g.order()));
    std::iota(order.begin(), order.end(), 1);
    std::shuffle(order.begin() + 1, order.end(), rng);
    return tableCopy(g, order);
}

GroupPtr dihedral(int n) {
    std::string rot, ref;
    for (int i = 1; i <= n; ++i) {
        rot += MathFunctions::PermutationDigitChar(i % n + 1);
        ref += MathFunctions::PermutationDigitChar(n + 1 - i);
    }
    auto g = spec("perm:" + rot + "," + ref);
    g->SetGroupID("D|@" + std::to_string(2 * n) + "|");
    return g;
}

GroupPtr dicyclic(int n) {
    // Elements a^k x^j (k < 2n, j < 2), a^{2n} = 1, x^2 = a^n, x a x^-1 = a^-1.
    const int m = 2 * n;
    auto idx = [&](int k, int j) { return j * m + ((k % m) + m) % m; };
    auto mulPair = [&](int k1, int j1, int k2, int j2) {
        // a^k1 x^j1 a^k2 x^j2 = a^(k1 + (-1)^j1 k2) x^(j1 + j2)
        int k = k1 + (j1 ? -k2 : k2);
        int j = j1 + j2;
        if (j == 2) {
            k += n;
            j = 0;
        }
        return idx(k, j);
    };
    const int order = 2 * m;
    auto nameOf = [&](int e) { return e == 0 ? std::string("1") : "q" + std::to_string(e); };
    CayleyTable t(static_cast<std::size_t>(order), std::vector<std::string>(static_cast<std::size_t>(order)));
    for (int a = 0; a < order; ++a)
        for (int b = 0; b < order; ++b)
            t[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] = nameOf(mulPair(a % m, a / m, b % m, b / m));
    auto g = Group::Create();
    g->Generate(t);
    g->SetGroupID(n == 2 ? "Q|@8|" : "Dic|@" + std::to_string(order) + "|");
    return g;
}

GroupPtr quaternion() { return dicyclic(2); }

GroupPtr specialLinear23() {
    std::vector<std::array<int, 2>> points;
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 3; ++y)
            if (x || y) points.push_back({x, y});
    auto permutationOf = [&](std::array<int, 4> m) {
        std::string p;
        for (auto v : points) {
            const std::array<int, 2> w{(m[0] * v[0] + m[1] * v[1]) % 3, (m[2] * v[0] + m[3] * v[1]) % 3};
            for (std::size_t i = 0; i < points.size(); ++i)
                if (points[i] == w) p += MathFunctions::PermutationDigitChar(static_cast<int>(i) + 1);
        }
        return p;
    };
    auto g = spec("perm:" + permutationOf({1, 1, 0, 1}) + "," + permutationOf({1, 0, 1, 1}));
    g->SetGroupID("SL(2,3)");
    return g;
}

std::vector<NamedGroup> zoo(int maxOrder) {
    std::vector<NamedGroup> out;
    auto add = [&](const std::string& label, const GroupPtr& g) {
        if (g->order() <= maxOrder) out.push_back({label, g});
    };
    std::vector<std::string> atoms;
    for (int n = 1; n <= std::min(maxOrder, 120); ++n) atoms.push_back("Z" + std::to_string(n));
    for (int n = 3; n <= 200; ++n)
        if (MathFunctions::EulerPhi(n) <= maxOrder) atoms.push_back("U" + std::to_string(n));
    for (int d = 1; d <= 5; ++d) {
        atoms.push_back("S" + std::to_string(d));
        atoms.push_back("A" + std::to_string(d));
    }
    for (const char* s : {"Z2xZ2xZ2", "Z2xZ2xZ2xZ2", "Z2xS3xZ2", "perm:231564", "perm:23451,24135"}) atoms.push_back(s);
    for (const std::string& a : atoms) {
        auto g = spec(a);
        if (g->order() <= maxOrder) add(a, g);
    }
    for (int n = 3; 2 * n <= maxOrder && n <= 15; ++n) add("D" + std::to_string(2 * n), dihedral(n));
    for (int n = 2; 4 * n <= maxOrder && n <= 5; ++n) add("Dic" + std::to_string(4 * n), dicyclic(n));
    if (maxOrder >= 24) add("SL(2,3)", specialLinear23());
    const std::vector<std::string> small{"Z2", "Z3", "Z4", "S3", "Z5", "Z6", "Z8", "A4", "U8", "S4"};
    for (const auto& a : small)
        for (const auto& b : small) {
            auto ga = spec(a), gb = spec(b);
            if (ga->order() * gb->order() > maxOrder) continue;
            add(a + "x" + b, spec(a + "x" + b));
        }
    return out;
}

std::string checkTableAxioms(int n, const std::function<int(int, int)>& product) {
    for (int x = 1; x <= n; ++x) {
        if (product(1, x) != x || product(x, 1) != x) return "1 is not the identity at " + std::to_string(x);
        bool inverse = false;
        for (int y = 1; y <= n; ++y) {
            const int p = product(x, y);
            if (p < 1 || p > n) return "not closed at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
            inverse = inverse || (p == 1 && product(y, x) == 1);
        }
        if (!inverse) return "no inverse of " + std::to_string(x);
    }
    // Associativity on a generating set is associativity everywhere: the c
    // with x(cy) = (xc)y for all x and y are closed under the product, so if
    // they include a set whose products reach every element, they are all.
    std::vector<int> generators;
    std::vector<char> reached(static_cast<std::size_t>(n) + 1, 0);
    for (int g = 2; g <= n; ++g) {  // the identity needs no check
        if (reached[static_cast<std::size_t>(g)]) continue;
        generators.push_back(g);
        // The products s1 s2 ... sk of generators, taken from the left.
        std::fill(reached.begin(), reached.end(), 0);
        reached[1] = 1;
        std::vector<int> todo(generators);
        for (int s : generators) reached[static_cast<std::size_t>(s)] = 1;
        while (!todo.empty()) {
            const int x = todo.back();
            todo.pop_back();
            for (int s : generators) {
                const int p = product(x, s);
                if (!reached[static_cast<std::size_t>(p)]) reached[static_cast<std::size_t>(p)] = 1, todo.push_back(p);
            }
        }
    }
    for (int c : generators)
        for (int a = 1; a <= n; ++a) {
            const int ac = product(a, c);
            for (int b = 1; b <= n; ++b)
                if (product(ac, b) != product(a, product(c, b)))
                    return "not associative at (" + std::to_string(a) + ", " + std::to_string(c) + ", " +
                           std::to_string(b) + ")";
        }
    return {};
}

std::string checkGroupAxioms(const Group& g) {
    const std::string positions = checkTableAxioms(g.order(), [&](int a, int b) { return g.mul(a, b); });
    if (!positions.empty()) return "positions: " + positions;
    for (int x = 1; x <= g.order(); ++x)
        if (g.mul(x, g.inv(x)) != 1) return "inv(" + std::to_string(x) + ") is not the inverse";
    const std::string sources = checkTableAxioms(g.order(), [&](int a, int b) { return g.srcMul(a, b); });
    return sources.empty() ? sources : "source indices: " + sources;
}

}  // namespace quorix::testing
