#include "core/characters/character_table.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <numeric>
#include <set>
#include <utility>

#include "core/analysis/conjugacy_classes.h"

namespace quorix {

namespace {

using U64 = std::uint64_t;
using Vec = std::vector<U64>;
using Mat = std::vector<Vec>;

// Arithmetic modulo a prime below 2^31.
struct Field {
    U64 p = 0;
    U64 Mul(U64 a, U64 b) const { return a * b % p; }
    U64 Add(U64 a, U64 b) const { return (a + b) % p; }
    U64 Sub(U64 a, U64 b) const { return (a + p - b) % p; }
    U64 Pow(U64 a, U64 e) const {
        U64 r = 1;
        for (a %= p; e > 0; e >>= 1, a = Mul(a, a))
            if (e & 1) r = Mul(r, a);
        return r;
    }
    U64 Inv(U64 a) const { return Pow(a, p - 2); }
};

bool IsPrime(U64 n) {
    if (n < 2) return false;
    for (U64 q = 2; q * q <= n; ++q)
        if (n % q == 0) return false;
    return true;
}

// A generator of the multiplicative group modulo p.
U64 PrimitiveRoot(const Field& f) {
    std::vector<U64> primes;
    U64 m = f.p - 1;
    for (U64 q = 2; q * q <= m; ++q)
        if (m % q == 0) {
            primes.push_back(q);
            while (m % q == 0) m /= q;
        }
    if (m > 1) primes.push_back(m);
    for (U64 g = 2;; ++g) {
        bool generator = true;
        for (U64 q : primes) generator = generator && f.Pow(g, (f.p - 1) / q) != 1;
        if (generator) return g;
    }
}

// Rows brought to reduced echelon form; pivots[i] is the leading column of
// row i. Zero rows are dropped.
void Echelonize(const Field& f, Mat& rows, std::vector<int>& pivots) {
    pivots.clear();
    if (rows.empty()) return;
    const int cols = static_cast<int>(rows[0].size());
    std::size_t rank = 0;
    for (int c = 0; c < cols && rank < rows.size(); ++c) {
        std::size_t r = rank;
        while (r < rows.size() && rows[r][static_cast<std::size_t>(c)] == 0) ++r;
        if (r == rows.size()) continue;
        std::swap(rows[r], rows[rank]);
        Vec& pivot = rows[rank];
        const U64 scale = f.Inv(pivot[static_cast<std::size_t>(c)]);
        for (U64& x : pivot) x = f.Mul(x, scale);
        for (std::size_t o = 0; o < rows.size(); ++o) {
            const U64 factor = rows[o][static_cast<std::size_t>(c)];
            if (o == rank || factor == 0) continue;
            for (std::size_t t = 0; t < pivot.size(); ++t) rows[o][t] = f.Sub(rows[o][t], f.Mul(factor, pivot[t]));
        }
        pivots.push_back(c);
        ++rank;
    }
    rows.resize(rank);
}

// A basis of {c : a·c = 0}.
Mat NullSpace(const Field& f, Mat a) {
    const std::size_t d = a.size();
    std::vector<int> pivots;
    Echelonize(f, a, pivots);
    std::vector<bool> isPivot(d, false);
    for (int c : pivots) isPivot[static_cast<std::size_t>(c)] = true;
    Mat basis;
    for (std::size_t free = 0; free < d; ++free) {
        if (isPivot[free]) continue;
        Vec v(d, 0);
        v[free] = 1;
        for (std::size_t i = 0; i < pivots.size(); ++i) v[static_cast<std::size_t>(pivots[i])] = f.Sub(0, a[i][free]);
        basis.push_back(std::move(v));
    }
    return basis;
}

// The characteristic polynomial of a square matrix (lowest coefficient
// first), through its Hessenberg form.
Vec CharacteristicPolynomial(const Field& f, Mat h) {
    const std::size_t d = h.size();
    for (std::size_t m = 1; m + 1 < d; ++m) {
        std::size_t i = m;
        while (i < d && h[i][m - 1] == 0) ++i;
        if (i == d) continue;
        if (i != m) {
            std::swap(h[i], h[m]);
            for (std::size_t r = 0; r < d; ++r) std::swap(h[r][i], h[r][m]);
        }
        const U64 pivotInverse = f.Inv(h[m][m - 1]);
        for (i = m + 1; i < d; ++i) {
            const U64 u = f.Mul(h[i][m - 1], pivotInverse);
            if (u == 0) continue;
            for (std::size_t j = 0; j < d; ++j) h[i][j] = f.Sub(h[i][j], f.Mul(u, h[m][j]));
            for (std::size_t j = 0; j < d; ++j) h[j][m] = f.Add(h[j][m], f.Mul(u, h[j][i]));
        }
    }
    std::vector<Vec> poly{{1}};
    for (std::size_t m = 1; m <= d; ++m) {
        const Vec& prev = poly[m - 1];
        Vec next(m + 1, 0);
        for (std::size_t t = 0; t < prev.size(); ++t) {
            next[t + 1] = f.Add(next[t + 1], prev[t]);
            next[t] = f.Sub(next[t], f.Mul(h[m - 1][m - 1], prev[t]));
        }
        U64 product = 1;
        for (std::size_t i = m - 1; i >= 1; --i) {
            product = f.Mul(product, h[i][i - 1]);
            const U64 factor = f.Mul(h[i - 1][m - 1], product);
            if (factor != 0)
                for (std::size_t t = 0; t < poly[i - 1].size(); ++t)
                    next[t] = f.Sub(next[t], f.Mul(factor, poly[i - 1][t]));
        }
        poly.push_back(std::move(next));
    }
    return poly[d];
}

struct Space {
    Mat basis;  // reduced echelon rows
    std::vector<int> pivots;
};

// Splits an invariant space of the commuting class matrices into the
// eigenspaces of m on it.
std::vector<Space> Split(const Field& f, const Space& space, const Mat& m) {
    const std::size_t d = space.basis.size();
    const std::size_t k = m.size();
    // m·b_j = Σ_i a[i][j]·b_i, read off at the pivots.
    Mat a(d, Vec(d, 0));
    for (std::size_t i = 0; i < d; ++i) {
        const Vec& row = m[static_cast<std::size_t>(space.pivots[i])];
        for (std::size_t j = 0; j < d; ++j) {
            U64 s = 0;
            for (std::size_t t = 0; t < k; ++t) s += row[t] * space.basis[j][t] % f.p;
            a[i][j] = s % f.p;
        }
    }
    const Vec poly = CharacteristicPolynomial(f, a);
    std::vector<U64> roots;
    for (U64 x = 0; x < f.p; ++x) {
        U64 value = 0;
        for (std::size_t t = poly.size(); t-- > 0;) value = f.Add(f.Mul(value, x), poly[t]);
        if (value == 0) roots.push_back(x);
    }
    if (roots.size() <= 1) return {space};
    std::vector<Space> parts;
    for (U64 lambda : roots) {
        Mat shifted = a;
        for (std::size_t i = 0; i < d; ++i) shifted[i][i] = f.Sub(shifted[i][i], lambda);
        Space part;
        for (const Vec& c : NullSpace(f, shifted)) {
            Vec v(k, 0);
            for (std::size_t j = 0; j < d; ++j)
                if (c[j] != 0)
                    for (std::size_t t = 0; t < k; ++t) v[t] = f.Add(v[t], f.Mul(c[j], space.basis[j][t]));
            part.basis.push_back(std::move(v));
        }
        Echelonize(f, part.basis, part.pivots);
        parts.push_back(std::move(part));
    }
    return parts;
}

std::string ClassLetters(int index) {
    std::string s;
    do {
        s.insert(s.begin(), static_cast<char>('a' + index % 26));
        index = index / 26 - 1;
    } while (index >= 0);
    return s;
}

// The classes of g in the table's order.
std::vector<CharacterClass> TableClasses(const Group& g, Progress& progress, bool& halted) {
    const ConjugacyClasses found = ComputeConjugacyClasses(g, false, progress);
    halted = found.halted;
    std::vector<CharacterClass> classes;
    for (const ConjugacyClass& c : found.classes) {
        CharacterClass cls;
        cls.representative = c.representative;
        cls.size = c.Size();
        cls.elementOrder = g.elementOrder(c.representative);
        cls.centralizerOrder = g.order() / cls.size;
        for (const ConjugateElement& m : c.members) cls.members.set(static_cast<std::size_t>(m.element));
        classes.push_back(std::move(cls));
    }
    std::stable_sort(classes.begin(), classes.end(), [](const CharacterClass& a, const CharacterClass& b) {
        if (a.elementOrder != b.elementOrder) return a.elementOrder < b.elementOrder;
        return a.size < b.size;
    });
    for (std::size_t j = 0; j < classes.size(); ++j) {
        int sameOrder = 0;
        for (std::size_t i = 0; i < j; ++i) sameOrder += classes[i].elementOrder == classes[j].elementOrder;
        classes[j].label = std::to_string(classes[j].elementOrder) + ClassLetters(sameOrder);
    }
    return classes;
}

// The linear characters of an abelian group as exponents of ζ_e over its
// positions, built along a chain 1 < <x1> < <x1,x2> < ...: a character of
// H extends to H·<x> in m ways, m the order of x modulo H.
std::vector<std::vector<int>> AbelianCharacters(const Group& g, int e) {
    const int n = g.order();
    std::vector<std::vector<int>> chars{std::vector<int>(static_cast<std::size_t>(n) + 1, 0)};
    std::vector<int> inH{1};
    ElementSet member;
    member.set(1);
    for (int x = 2; x <= n; ++x) {
        if (member.test(static_cast<std::size_t>(x))) continue;
        std::vector<int> power{1, x};
        while (!member.test(static_cast<std::size_t>(power.back()))) power.push_back(g.mul(power.back(), x));
        const int m = static_cast<int>(power.size()) - 1;  // x^m ∈ H
        const int xm = power.back();
        std::vector<std::vector<int>> next;
        for (const std::vector<int>& chi : chars) {
            const int a0 = chi[static_cast<std::size_t>(xm)];
            assert(a0 % m == 0);
            for (int c = 0; c < m; ++c) {
                const int y = (a0 / m + c * (e / m)) % e;
                std::vector<int> ext = chi;
                for (int t = 1; t < m; ++t)
                    for (int h : inH)
                        ext[static_cast<std::size_t>(g.mul(h, power[static_cast<std::size_t>(t)]))] =
                            (chi[static_cast<std::size_t>(h)] + t * y) % e;
                next.push_back(std::move(ext));
            }
        }
        chars = std::move(next);
        const std::size_t oldSize = inH.size();
        for (int t = 1; t < m; ++t)
            for (std::size_t i = 0; i < oldSize; ++i) {
                const int y = g.mul(inH[i], power[static_cast<std::size_t>(t)]);
                inH.push_back(y);
                member.set(static_cast<std::size_t>(y));
            }
    }
    return chars;
}

// One character while the table is built: its values modulo p too.
struct Row {
    Character character;
    Vec modular;
    std::vector<int> key;  // for the order of the rows
};

// One value as (ζ_e exponent, multiplicity) terms.
struct CyclotomicTerm {
    int exponent = 0;
    int count = 0;
};

// Exact check of Σ_t w_t·x_t·conj(y_t) == expected in Q(ζ_e): the sum is
// gathered over the exponents of ζ_e and reduced modulo Φ_e. terms(t, side)
// gives the terms of x_t (side 0) or y_t (side 1).
template <class TermsOf, class Weight>
bool SumEquals(std::size_t count, TermsOf terms, Weight weight, int e, const std::vector<std::int64_t>& phi,
               std::int64_t expected, std::vector<std::int64_t>& acc) {
    acc.assign(static_cast<std::size_t>(e), 0);
    for (std::size_t t = 0; t < count; ++t) {
        const std::int64_t w = weight(t);
        const auto [xs, xEnd] = terms(t, 0);
        const auto [ys, yEnd] = terms(t, 1);
        for (const CyclotomicTerm* x = xs; x != xEnd; ++x)
            for (const CyclotomicTerm* y = ys; y != yEnd; ++y) {
                const int d = x->exponent - y->exponent;
                acc[static_cast<std::size_t>(d < 0 ? d + e : d)] += w * x->count * y->count;
            }
    }
    ReduceCyclotomicInPlace(acc, phi);
    if (acc[0] != expected) return false;
    for (std::size_t i = 1; i + 1 < phi.size(); ++i)
        if (acc[i] != 0) return false;
    return true;
}

CharacterChecks Check(const CharacterTable& table) {
    CharacterChecks checks;
    const int e = table.exponent;
    const std::vector<std::int64_t> phi = CyclotomicPolynomial(e);
    const std::size_t k = table.classes.size();
    // The terms of value (c, j) are pool[start[c*k+j] .. start[c*k+j+1]).
    std::vector<CyclotomicTerm> pool;
    std::vector<std::size_t> start{0};
    for (std::size_t c = 0; c < k; ++c) {
        const Character& chi = table.characters[c];
        checks.sumOfSquaredDegrees += chi.degree * chi.degree;
        for (std::size_t j = 0; j < k; ++j) {
            const Cyclotomic& v = chi.values[j];
            const int step = e / v.Conductor();
            for (int r = 0; r < v.Conductor(); ++r)
                if (v.Counts()[static_cast<std::size_t>(r)] != 0)
                    pool.push_back({r * step, v.Counts()[static_cast<std::size_t>(r)]});
            start.push_back(pool.size());
        }
    }
    auto range = [&](std::size_t c, std::size_t j) {
        return std::pair<const CyclotomicTerm*, const CyclotomicTerm*>(pool.data() + start[c * k + j],
                                                                       pool.data() + start[c * k + j + 1]);
    };
    std::vector<std::int64_t> acc;
    checks.rowOrthogonality = true;
    for (std::size_t a = 0; a < k && checks.rowOrthogonality; ++a)
        for (std::size_t b = a; b < k && checks.rowOrthogonality; ++b)
            checks.rowOrthogonality = SumEquals(
                k, [&](std::size_t j, int side) { return range(side == 0 ? a : b, j); },
                [&](std::size_t j) { return table.classes[j].size; }, e, phi, a == b ? table.groupOrder : 0, acc);
    checks.columnOrthogonality = true;
    for (std::size_t j = 0; j < k && checks.columnOrthogonality; ++j)
        for (std::size_t l = j; l < k && checks.columnOrthogonality; ++l)
            checks.columnOrthogonality = SumEquals(
                k, [&](std::size_t c, int side) { return range(c, side == 0 ? j : l); }, [](std::size_t) { return 1; },
                e, phi, j == l ? table.classes[j].centralizerOrder : 0, acc);
    return checks;
}

}  // namespace

CharacterTable ComputeCharacterTable(const Group& g, Progress& progress) {
    CharacterTable table;
    const int n = g.order();
    table.groupOrder = n;
    table.classes = TableClasses(g, progress, table.halted);
    if (table.halted) return table;
    const std::size_t k = table.classes.size();
    std::vector<int> classOf(static_cast<std::size_t>(n) + 1, 0);
    for (std::size_t j = 0; j < k; ++j)
        for (int x = 1; x <= n; ++x)
            if (table.classes[j].members.test(static_cast<std::size_t>(x)))
                classOf[static_cast<std::size_t>(x)] = static_cast<int>(j);
    int e = 1;
    for (CharacterClass& cls : table.classes) {
        cls.inverseClass = classOf[static_cast<std::size_t>(g.inv(cls.representative))];
        e = std::lcm(e, cls.elementOrder);
    }
    table.exponent = e;

    // p ≡ 1 (mod e), so F_p holds the e-th roots of unity, and p > 2·√|G|,
    // so a degree is known from its square and a multiplicity from its
    // residue.
    Field f;
    for (f.p = static_cast<U64>(e) + 1; !(IsPrime(f.p) && f.p * f.p > 4 * static_cast<U64>(n));
         f.p += static_cast<U64>(e)) {}
    const U64 zeta = f.Pow(PrimitiveRoot(f), (f.p - 1) / static_cast<U64>(e));  // ζ_e modulo p
    // powerClass[j][t]: the class of the t-th power of class j's representative.
    std::vector<std::vector<int>> powerClass(k);
    for (std::size_t j = 0; j < k; ++j) {
        int x = 1;
        for (int t = 0; t < table.classes[j].elementOrder; ++t) {
            powerClass[j].push_back(classOf[static_cast<std::size_t>(x)]);
            x = g.mul(x, table.classes[j].representative);
        }
    }

    std::vector<Row> rows;
    if (static_cast<int>(k) == n) {
        for (const std::vector<int>& exps : AbelianCharacters(g, e)) {
            Row row;
            row.character.degree = 1;
            for (const CharacterClass& cls : table.classes) {
                const int a = exps[static_cast<std::size_t>(cls.representative)];
                const int o = cls.elementOrder;
                std::vector<int> counts(static_cast<std::size_t>(o), 0);
                counts[static_cast<std::size_t>(a / (e / o))] = 1;
                row.character.values.emplace_back(o, std::move(counts));
                row.modular.push_back(f.Pow(zeta, static_cast<U64>(a)));
            }
            rows.push_back(std::move(row));
        }
    } else {
        std::vector<Space> spaces(1);
        spaces[0].basis.assign(k, Vec(k, 0));
        for (std::size_t i = 0; i < k; ++i) {
            spaces[0].basis[i][i] = 1;
            spaces[0].pivots.push_back(static_cast<int>(i));
        }
        for (std::size_t j = 1; j < k && spaces.size() < k; ++j) {
            // M_j[r][s] = #{x ∈ C_j : x⁻¹·z_s ∈ C_r}: multiplication by the
            // class sum of C_j, whose eigenvectors are the central characters.
            Mat m(k, Vec(k, 0));
            for (std::size_t s = 0; s < k; ++s)
                for (int x = 1; x <= n; ++x)
                    if (classOf[static_cast<std::size_t>(x)] == static_cast<int>(j))
                        ++m[static_cast<std::size_t>(
                            classOf[static_cast<std::size_t>(g.mul(g.inv(x), table.classes[s].representative))])][s];
            for (Vec& r : m)
                for (U64& x : r) x %= f.p;
            std::vector<Space> next;
            for (const Space& space : spaces) {
                if (space.basis.size() == 1) {
                    next.push_back(space);
                    continue;
                }
                for (Space& part : Split(f, space, m)) next.push_back(std::move(part));
            }
            spaces = std::move(next);
            progress.Report(std::to_string(j) + " of " + std::to_string(k) + " classes split...");
            if (progress.StopRequested()) {
                table.halted = true;
                return table;
            }
        }
        assert(spaces.size() == k);
        for (const Space& space : spaces) {
            // ω(C_j) = |C_j|·χ(g_j)/χ(1), with ω(C_1) = 1.
            const Vec& v = space.basis[0];
            assert(v[0] != 0);
            const U64 scale = f.Inv(v[0]);
            Vec omega(k);
            for (std::size_t j = 0; j < k; ++j) omega[j] = f.Mul(v[j], scale);
            // Σ_j ω_j·ω_j*/|C_j| = |G|/χ(1)^2.
            U64 sum = 0;
            for (std::size_t j = 0; j < k; ++j)
                sum = f.Add(sum, f.Mul(f.Mul(omega[j], omega[static_cast<std::size_t>(table.classes[j].inverseClass)]),
                                       f.Inv(static_cast<U64>(table.classes[j].size))));
            const U64 square = f.Mul(static_cast<U64>(n), f.Inv(sum));
            Row row;
            for (int d = 1; d * d <= n; ++d)
                if (static_cast<U64>(d * d) % f.p == square) row.character.degree = d;
            assert(row.character.degree > 0);
            for (std::size_t j = 0; j < k; ++j)
                row.modular.push_back(f.Mul(f.Mul(omega[j], static_cast<U64>(row.character.degree)),
                                            f.Inv(static_cast<U64>(table.classes[j].size))));
            rows.push_back(std::move(row));
        }
        // Each value as the eigenvalue multiset of ρ(g): the multiplicity of
        // ζ_o^r is (1/o)·Σ_t χ(g^t)·ζ_o^(-rt).
        for (Row& row : rows) {
            const int d = row.character.degree;
            for (std::size_t j = 0; j < k; ++j) {
                const int o = table.classes[j].elementOrder;
                const U64 w = f.Pow(zeta, static_cast<U64>(e / o));
                std::vector<int> counts(static_cast<std::size_t>(o), 0);
                if (d == 1) {
                    int r = 0;
                    while (f.Pow(w, static_cast<U64>(r)) != row.modular[j]) ++r;
                    assert(r < o);
                    counts[static_cast<std::size_t>(r)] = 1;
                } else {
                    const U64 oInverse = f.Inv(static_cast<U64>(o));
                    const U64 wInverse = f.Inv(w);
                    for (int r = 0; r < o; ++r) {
                        const U64 step = f.Pow(wInverse, static_cast<U64>(r));
                        U64 s = 0, twist = 1;
                        for (int t = 0; t < o; ++t) {
                            s = f.Add(
                                s,
                                f.Mul(row.modular[static_cast<std::size_t>(powerClass[j][static_cast<std::size_t>(t)])],
                                      twist));
                            twist = f.Mul(twist, step);
                        }
                        s = f.Mul(s, oInverse);
                        assert(s <= static_cast<U64>(d));
                        counts[static_cast<std::size_t>(r)] = static_cast<int>(s);
                    }
                }
                row.character.values.emplace_back(o, std::move(counts));
            }
        }
    }

    const U64 nInverse = f.Inv(static_cast<U64>(n));
    for (Row& row : rows) {
        Character& chi = row.character;
        // ν = (1/|G|)·Σ_g χ(g²).
        U64 nu = 0;
        for (std::size_t j = 0; j < k; ++j)
            nu = f.Add(nu, f.Mul(static_cast<U64>(table.classes[j].size),
                                 row.modular[static_cast<std::size_t>(powerClass[j][2 % powerClass[j].size()])]));
        nu = f.Mul(nu, nInverse);
        assert(nu == 0 || nu == 1 || nu == f.p - 1);
        chi.indicator = nu == 0 ? 0 : (nu == 1 ? 1 : -1);
        chi.real = chi.indicator != 0;
        chi.rational = true;
        const Cyclotomic degree = Cyclotomic::Integer(chi.degree);
        for (std::size_t j = 0; j < k; ++j) {
            if (chi.values[j] == degree) chi.kernel |= table.classes[j].members;
            chi.rational = chi.rational && chi.values[j].IsRational();
        }
        chi.kernelOrder = static_cast<int>(chi.kernel.count());
    }
    // Among characters of one degree and kernel order, the one whose values
    // start with the lower powers of ζ_e comes first (ζ_5 before ζ_5^4).
    for (Row& row : rows)
        for (const Cyclotomic& v : row.character.values) {
            int least = e;
            for (int r = 0; r < v.Conductor(); ++r)
                if (v.Counts()[static_cast<std::size_t>(r)] != 0) least = std::min(least, r * (e / v.Conductor()));
            row.key.push_back(least);
        }
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        if (a.character.degree != b.character.degree) return a.character.degree < b.character.degree;
        if (a.character.kernelOrder != b.character.kernelOrder)
            return a.character.kernelOrder > b.character.kernelOrder;
        if (a.key != b.key) return a.key < b.key;
        return a.modular < b.modular;
    });
    for (Row& row : rows) table.characters.push_back(std::move(row.character));
    table.checks = Check(table);
    return table;
}

std::vector<std::string> CharacterLegend(const CharacterTable& table) {
    std::set<int> zetas;
    bool imaginary = false, root = false;
    for (const Character& chi : table.characters)
        for (const Cyclotomic& v : chi.values) {
            const std::string text = v.Text();
            for (std::size_t at = text.find("ζ_"); at != std::string::npos; at = text.find("ζ_", at + 1))
                zetas.insert(std::stoi(text.substr(at + std::string("ζ_").size())));
            imaginary = imaginary || text.find('i') != std::string::npos;
            root = root || text.find("√") != std::string::npos;
        }
    std::vector<std::string> lines;
    for (int z : zetas) lines.push_back("ζ_" + std::to_string(z) + " = e^(2πi/" + std::to_string(z) + ")");
    if (imaginary) lines.push_back("i = √-1");
    if (root) lines.push_back("√d = the positive square root of d");
    return lines;
}

}  // namespace quorix

namespace quorix {

std::vector<std::string> CharacterCheckLines(const CharacterTable& table) {
    // "2·1² + 1·2²" as "1² + 1² + 2²" up to five terms, with counts beyond.
    std::string squares;
    std::vector<std::pair<int, int>> byDegree;  // degree, count
    for (const Character& chi : table.characters)
        if (!byDegree.empty() && byDegree.back().first == chi.degree)
            ++byDegree.back().second;
        else
            byDegree.emplace_back(chi.degree, 1);
    for (auto [degree, count] : byDegree) {
        const std::string term = std::to_string(degree) + "²";
        if (table.characters.size() <= 5)
            for (int i = 0; i < count; ++i) squares += (squares.empty() ? "" : " + ") + term;
        else
            squares += (squares.empty() ? "" : " + ") + (count > 1 ? std::to_string(count) + "·" : "") + term;
    }
    const CharacterChecks& c = table.checks;
    const bool sumHolds = c.sumOfSquaredDegrees == table.groupOrder;
    return {"Sum of squared degrees: " + squares + " = " + std::to_string(c.sumOfSquaredDegrees) +
                (sumHolds ? " = |G|" : " ≠ |G| = " + std::to_string(table.groupOrder)),
            std::string("Row orthogonality Σ |C|·χ(g)·conj(ψ(g)) = |G|·δ(χ,ψ): ") +
                (c.rowOrthogonality ? "holds" : "FAILS"),
            std::string("Column orthogonality Σ χ(g)·conj(χ(h)) = |C_G(g)|·δ(g,h): ") +
                (c.columnOrthogonality ? "holds" : "FAILS")};
}

std::string IndicatorText(int indicator) { return indicator > 0 ? "+" : (indicator < 0 ? "-" : "0"); }

}  // namespace quorix
