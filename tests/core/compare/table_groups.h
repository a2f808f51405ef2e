#pragma once
// Small groups as bare multiplication tables, built from permutation
// generators by closure (identity first, then in order of discovery), with an
// optional relabelling that keeps the identity at index 1.

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/compare/homomorphism.h"

namespace quorix::testing {

using Perm = std::vector<int>;  // 0-based images

inline Perm Compose(const Perm& p, const Perm& q) {  // p first, then q
    Perm r(p.size());
    for (std::size_t i = 0; i < p.size(); ++i) r[i] = q[static_cast<std::size_t>(p[i])];
    return r;
}

inline MultiplicationTable TableFromGenerators(const std::vector<Perm>& gens, int degree) {
    Perm id(static_cast<std::size_t>(degree));
    for (int i = 0; i < degree; ++i) id[static_cast<std::size_t>(i)] = i;
    std::vector<Perm> elems{id};
    std::map<Perm, int> index{{id, 1}};
    for (std::size_t at = 0; at < elems.size(); ++at)
        for (const Perm& g : gens) {
            Perm p = Compose(elems[at], g);
            if (!index.count(p)) {
                elems.push_back(p);
                index[p] = static_cast<int>(elems.size());
            }
        }
    std::vector<std::vector<int>> products(elems.size(), std::vector<int>(elems.size()));
    for (std::size_t a = 0; a < elems.size(); ++a)
        for (std::size_t b = 0; b < elems.size(); ++b) products[a][b] = index[Compose(elems[a], elems[b])];
    return MultiplicationTable::FromProducts(products);
}

inline std::vector<std::vector<int>> Products(const MultiplicationTable& t) {
    std::vector<std::vector<int>> p(static_cast<std::size_t>(t.n), std::vector<int>(static_cast<std::size_t>(t.n)));
    for (int a = 1; a <= t.n; ++a)
        for (int b = 1; b <= t.n; ++b) p[static_cast<std::size_t>(a - 1)][static_cast<std::size_t>(b - 1)] = t.product(a, b);
    return p;
}

// The same group with its non-identity elements shuffled.
inline MultiplicationTable Relabel(const MultiplicationTable& t, unsigned seed) {
    std::vector<int> newOf(static_cast<std::size_t>(t.n + 1));
    for (int i = 0; i <= t.n; ++i) newOf[static_cast<std::size_t>(i)] = i;
    std::mt19937 rng(seed);
    std::shuffle(newOf.begin() + 2, newOf.end(), rng);
    std::vector<std::vector<int>> p(static_cast<std::size_t>(t.n), std::vector<int>(static_cast<std::size_t>(t.n)));
    for (int a = 1; a <= t.n; ++a)
        for (int b = 1; b <= t.n; ++b)
            p[static_cast<std::size_t>(newOf[static_cast<std::size_t>(a)] - 1)]
             [static_cast<std::size_t>(newOf[static_cast<std::size_t>(b)] - 1)] =
                newOf[static_cast<std::size_t>(t.product(a, b))];
    return MultiplicationTable::FromProducts(p);
}

inline Perm Cycle(int degree, std::vector<int> points) {  // points 0-based
    Perm p(static_cast<std::size_t>(degree));
    for (int i = 0; i < degree; ++i) p[static_cast<std::size_t>(i)] = i;
    for (std::size_t i = 0; i < points.size(); ++i)
        p[static_cast<std::size_t>(points[i])] = points[(i + 1) % points.size()];
    return p;
}

inline MultiplicationTable Cyclic(int n) {
    std::vector<int> pts(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) pts[static_cast<std::size_t>(i)] = i;
    return TableFromGenerators({Cycle(n, pts)}, n);
}

inline MultiplicationTable Dihedral(int n) {  // order 2n, n >= 3
    std::vector<int> pts(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) pts[static_cast<std::size_t>(i)] = i;
    Perm flip(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) flip[static_cast<std::size_t>(i)] = (n - i) % n;
    return TableFromGenerators({Cycle(n, pts), flip}, n);
}

inline MultiplicationTable Symmetric(int d) {
    std::vector<int> pts(static_cast<std::size_t>(d));
    for (int i = 0; i < d; ++i) pts[static_cast<std::size_t>(i)] = i;
    return TableFromGenerators({Cycle(d, {0, 1}), Cycle(d, pts)}, d);
}

inline MultiplicationTable Alternating4() { return TableFromGenerators({Cycle(4, {0, 1, 2}), Cycle(4, {1, 2, 3})}, 4); }

// Direct product of two tables (pairs ordered first-major).
inline MultiplicationTable Product(const MultiplicationTable& x, const MultiplicationTable& y) {
    const int n = x.n * y.n;
    std::vector<std::vector<int>> p(static_cast<std::size_t>(n), std::vector<int>(static_cast<std::size_t>(n)));
    auto idx = [&](int a, int b) { return (a - 1) * y.n + b; };
    for (int a1 = 1; a1 <= x.n; ++a1)
        for (int b1 = 1; b1 <= y.n; ++b1)
            for (int a2 = 1; a2 <= x.n; ++a2)
                for (int b2 = 1; b2 <= y.n; ++b2)
                    p[static_cast<std::size_t>(idx(a1, b1) - 1)][static_cast<std::size_t>(idx(a2, b2) - 1)] =
                        idx(x.product(a1, a2), y.product(b1, b2));
    return MultiplicationTable::FromProducts(p);
}

inline MultiplicationTable Quaternion() {
    // index: 1:1 2:-1 3:i 4:-i 5:j 6:-j 7:k 8:-k
    auto unitMul = [](int a, int b, int& sign) {  // a,b in {0:1,1:i,2:j,3:k}
        static const int prod[4][4] = {{0, 1, 2, 3}, {1, 0, 3, 2}, {2, 3, 0, 1}, {3, 2, 1, 0}};
        static const int sgn[4][4] = {{1, 1, 1, 1}, {1, -1, 1, -1}, {1, -1, -1, 1}, {1, 1, -1, -1}};
        sign = sgn[a][b];
        return prod[a][b];
    };
    std::vector<std::vector<int>> p(8, std::vector<int>(8));
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y) {
            int s = 1;
            int u = unitMul(x / 2, y / 2, s);
            if (x % 2) s = -s;
            if (y % 2) s = -s;
            p[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = 2 * u + (s < 0 ? 1 : 0) + 1;
        }
    return MultiplicationTable::FromProducts(p);
}

// Dicyclic group of order 12: <a, x | a^6 = 1, x^2 = a^3, x a x^-1 = a^-1>,
// elements a^i x^j (i < 6, j < 2) numbered 1 + i + 6j.
inline MultiplicationTable Dicyclic12() {
    std::vector<std::vector<int>> p(12, std::vector<int>(12));
    for (int i1 = 0; i1 < 6; ++i1)
        for (int j1 = 0; j1 < 2; ++j1)
            for (int i2 = 0; i2 < 6; ++i2)
                for (int j2 = 0; j2 < 2; ++j2) {
                    // a^i1 x^j1 a^i2 x^j2 = a^(i1 + (j1 ? -i2 : i2)) x^(j1 + j2)
                    int i = i1 + (j1 ? 6 - i2 : i2);
                    int j = j1 + j2;
                    if (j == 2) {
                        j = 0;
                        i += 3;
                    }
                    p[static_cast<std::size_t>(i1 + 6 * j1)][static_cast<std::size_t>(i2 + 6 * j2)] = 1 + (i % 6) + 6 * j;
                }
    return MultiplicationTable::FromProducts(p);
}

struct NamedTable {
    std::string name;
    MultiplicationTable table;
};

// Every group of order 1 to 12 up to isomorphism, some of them twice under
// different labellings.
inline std::vector<NamedTable> SmallGroups() {
    std::vector<NamedTable> g;
    for (int n = 1; n <= 12; ++n) g.push_back({std::string("Z").append(std::to_string(n)), Cyclic(n)});
    g.push_back({"Z2xZ2", Product(Cyclic(2), Cyclic(2))});
    g.push_back({"S3", Symmetric(3)});
    g.push_back({"Z2xZ4", Product(Cyclic(2), Cyclic(4))});
    g.push_back({"Z2^3", Product(Product(Cyclic(2), Cyclic(2)), Cyclic(2))});
    g.push_back({"D4", Dihedral(4)});
    g.push_back({"Q8", Quaternion()});
    g.push_back({"Z3xZ3", Product(Cyclic(3), Cyclic(3))});
    g.push_back({"D5", Dihedral(5)});
    g.push_back({"Z2xZ6", Product(Cyclic(2), Cyclic(6))});
    g.push_back({"D6", Dihedral(6)});
    g.push_back({"A4", Alternating4()});
    g.push_back({"Dic3", Dicyclic12()});
    g.push_back({"Z6~", Relabel(Cyclic(6), 7)});
    g.push_back({"D4~", Relabel(Dihedral(4), 11)});
    g.push_back({"A4~", Relabel(Alternating4(), 3)});
    g.push_back({"Z2xZ6~", Relabel(Product(Cyclic(2), Cyclic(6)), 5)});
    return g;
}

}  // namespace quorix::testing
