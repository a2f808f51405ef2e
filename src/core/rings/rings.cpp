#include "core/rings/rings.h"

#include <algorithm>
#include <cassert>
#include <chrono>
#include <cstddef>
#include <numeric>
#include <utility>

#include "core/group/group_spec.h"

namespace quorix {

namespace {

using Clock = std::chrono::steady_clock;

// The prime-power factorisation of n as (p, a) pairs, primes ascending.
std::vector<std::pair<int, int>> PrimePowers(int n) {
    std::vector<std::pair<int, int>> out;
    for (int p = 2; n > 1; ++p) {
        int a = 0;
        while (n % p == 0) {
            n /= p;
            ++a;
        }
        if (a > 0) out.emplace_back(p, a);
    }
    return out;
}

// The partitions of a, parts descending.
void Partitions(int a, int largest, std::vector<int>& current, std::vector<std::vector<int>>& out) {
    if (a == 0) {
        out.push_back(current);
        return;
    }
    for (int part = std::min(a, largest); part >= 1; --part) {
        current.push_back(part);
        Partitions(a - part, part, current, out);
        current.pop_back();
    }
}

int Power(int p, int a) {
    int r = 1;
    while (a-- > 0) r *= p;
    return r;
}

// The orders of the cyclic factors of every abelian group of order n:
// prime-power orders, primes ascending, each prime's powers descending.
std::vector<std::vector<int>> AbelianTypes(int n) {
    std::vector<std::vector<int>> types{{}};
    for (auto [p, a] : PrimePowers(n)) {
        std::vector<std::vector<int>> parts;
        std::vector<int> current;
        Partitions(a, a, current, parts);
        std::vector<std::vector<int>> next;
        for (const auto& t : types)
            for (const auto& part : parts) {
                auto u = t;
                for (int e : part) u.push_back(Power(p, e));
                next.push_back(std::move(u));
            }
        types = std::move(next);
    }
    return types;
}

// An abelian group as coordinates over a basis of cyclic factors. An element
// is a code 0..n-1 (mixed radix, first factor least significant, so that
// the span of the first factors comes first); code 0 is 0.
struct Coordinates {
    int n = 0;
    int k = 0;
    std::vector<int> orders;    // d_i
    std::vector<int> position;  // code -> reductive position
    std::vector<int> code;      // reductive position -> code
    std::vector<int> coord;     // code * k + i -> coordinate i
    std::vector<int> add;       // code * n + code
    std::vector<int> scale;     // code * n + s -> s times code (0 <= s < n)
    std::vector<int> unit;      // e_i's code
    std::vector<int> orderOf;   // additive order of a code

    int Coord(int c, int i) const { return coord[static_cast<std::size_t>(c * k + i)]; }
    int Add(int a, int b) const { return add[static_cast<std::size_t>(a * n + b)]; }
    int Scale(int c, int s) const { return scale[static_cast<std::size_t>(c * n + s % n)]; }
};

// Basis elements of the given orders spanning g directly, or false.
bool FindBasis(const Group& g, const std::vector<int>& orders, std::size_t i, ElementSet span, int spanSize,
               std::vector<int>& basis) {
    if (i == orders.size()) return spanSize == g.order();
    const int d = orders[i];
    for (int b = 2; b <= g.order(); ++b) {
        if (g.elementOrder(b) != d || span[static_cast<std::size_t>(b)]) continue;
        ElementSet next;
        int size = 0;
        for (int s = 1; s <= g.order(); ++s) {
            if (!span[static_cast<std::size_t>(s)]) continue;
            int x = s;
            for (int t = 0; t < d; ++t) {
                if (!next[static_cast<std::size_t>(x)]) {
                    next.set(static_cast<std::size_t>(x));
                    ++size;
                }
                x = g.mul(x, b);
            }
        }
        if (size != spanSize * d) continue;
        basis.push_back(b);
        if (FindBasis(g, orders, i + 1, next, size, basis)) return true;
        basis.pop_back();
    }
    return false;
}

Coordinates Decompose(const Group& g) {
    Coordinates c;
    c.n = g.order();
    std::vector<int> basis;
    for (const auto& type : AbelianTypes(c.n)) {
        ElementSet span;
        span.set(1);
        basis.clear();
        if (FindBasis(g, type, 0, span, 1, basis)) {
            c.orders = type;
            break;
        }
    }
    assert(static_cast<int>(basis.size()) == static_cast<int>(c.orders.size()));
    c.k = static_cast<int>(c.orders.size());
    const auto n = static_cast<std::size_t>(c.n);
    const auto k = static_cast<std::size_t>(c.k);
    c.position.assign(n, 1);
    c.code.assign(n + 1, 0);
    c.coord.assign(n * k, 0);
    for (int x = 0; x < c.n; ++x) {
        int rest = x;
        int pos = 1;
        for (int i = 0; i < c.k; ++i) {
            const int digit = rest % c.orders[static_cast<std::size_t>(i)];
            rest /= c.orders[static_cast<std::size_t>(i)];
            c.coord[static_cast<std::size_t>(x) * k + static_cast<std::size_t>(i)] = digit;
            for (int t = 0; t < digit; ++t) pos = g.mul(pos, basis[static_cast<std::size_t>(i)]);
        }
        c.position[static_cast<std::size_t>(x)] = pos;
        c.code[static_cast<std::size_t>(pos)] = x;
    }
    c.add.assign(n * n, 0);
    for (int a = 0; a < c.n; ++a)
        for (int b = 0; b < c.n; ++b)
            c.add[static_cast<std::size_t>(a * c.n + b)] = c.code[static_cast<std::size_t>(
                g.mul(c.position[static_cast<std::size_t>(a)], c.position[static_cast<std::size_t>(b)]))];
    c.scale.assign(n * n, 0);
    c.orderOf.assign(n, 0);
    for (int a = 0; a < c.n; ++a) {
        int x = 0;
        for (int s = 0; s < c.n; ++s) {
            c.scale[static_cast<std::size_t>(a * c.n + s)] = x;
            x = c.Add(x, a);
        }
        c.orderOf[static_cast<std::size_t>(a)] = g.elementOrder(c.position[static_cast<std::size_t>(a)]);
    }
    for (int i = 0; i < c.k; ++i) {
        int weight = 1;
        for (int j = 0; j < i; ++j) weight *= c.orders[static_cast<std::size_t>(j)];
        c.unit.push_back(weight);
    }
    return c;
}

// An automorphism of the additive group, on codes.
struct Automorphism {
    std::vector<int> image;
    std::vector<int> inverse;
};

std::vector<Automorphism> Automorphisms(const Coordinates& c) {
    std::vector<Automorphism> out;
    std::vector<int> images(static_cast<std::size_t>(c.k), 0);
    auto extend = [&](auto&& self, int i) -> void {
        if (i == c.k) {
            Automorphism a;
            a.image.assign(static_cast<std::size_t>(c.n), 0);
            a.inverse.assign(static_cast<std::size_t>(c.n), -1);
            for (int x = 0; x < c.n; ++x) {
                int y = 0;
                for (int j = 0; j < c.k; ++j) y = c.Add(y, c.Scale(images[static_cast<std::size_t>(j)], c.Coord(x, j)));
                if (a.inverse[static_cast<std::size_t>(y)] >= 0) return;
                a.image[static_cast<std::size_t>(x)] = y;
                a.inverse[static_cast<std::size_t>(y)] = x;
            }
            out.push_back(std::move(a));
            return;
        }
        for (int y = 0; y < c.n; ++y) {
            if (c.orders[static_cast<std::size_t>(i)] % c.orderOf[static_cast<std::size_t>(y)] != 0) continue;
            images[static_cast<std::size_t>(i)] = y;
            self(self, i + 1);
        }
    };
    extend(extend, 0);
    return out;
}

// The search over the basis products.
class RingSearch {
public:
    RingSearch(const Coordinates& c, Progress& progress) : c_(c), progress_(progress) {
        const int k = c.k;
        products_.assign(static_cast<std::size_t>(k * k), -1);
        // Products in blocks by their larger index: within block m the pairs
        // (m,0), (0,m), (m,1), (1,m), ..., (m,m).
        for (int m = 0; m < k; ++m) {
            for (int i = 0; i < m; ++i) {
                slots_.push_back(m * k + i);
                slots_.push_back(i * k + m);
            }
            slots_.push_back(m * k + m);
            blockEnd_.push_back(static_cast<int>(slots_.size()));
        }
        lastOfBlock_.assign(slots_.size(), -1);
        for (int m = 0; m < k; ++m)
            lastOfBlock_[static_cast<std::size_t>(blockEnd_[static_cast<std::size_t>(m)] - 1)] = m;
        domains_.resize(static_cast<std::size_t>(k * k));
        for (int i = 0; i < k; ++i)
            for (int j = 0; j < k; ++j) {
                const int g = std::gcd(c.orders[static_cast<std::size_t>(i)], c.orders[static_cast<std::size_t>(j)]);
                for (int x = 0; x < c.n; ++x)
                    if (g % c.orderOf[static_cast<std::size_t>(x)] == 0)
                        domains_[static_cast<std::size_t>(i * k + j)].push_back(x);
            }
        // The automorphisms that keep e_0..e_m among themselves, per block.
        automorphisms_ = Automorphisms(c);
        keeping_.resize(static_cast<std::size_t>(k));
        for (std::size_t a = 0; a < automorphisms_.size(); ++a) {
            const auto& image = automorphisms_[a].image;
            for (int m = 0; m < k; ++m) {
                bool keeps = true;
                for (int i = 0; i <= m && keeps; ++i)
                    for (int j = m + 1; j < k; ++j)
                        if (c.Coord(image[static_cast<std::size_t>(c.unit[static_cast<std::size_t>(i)])], j) != 0)
                            keeps = false;
                if (keeps) keeping_[static_cast<std::size_t>(m)].push_back(static_cast<int>(a));
            }
        }
    }

    RingList Run() {
        lastYield_ = Clock::now();
        Assign(0);
        return std::move(result_);
    }

private:
    int P(int i, int j) const { return products_[static_cast<std::size_t>(i * c_.k + j)]; }

    // x y from the known basis products; -1 when one that is needed is unknown.
    int Product(int x, int y) const {
        int r = 0;
        for (int i = 0; i < c_.k; ++i) {
            const int xi = c_.Coord(x, i);
            if (xi == 0) continue;
            for (int j = 0; j < c_.k; ++j) {
                const int yj = c_.Coord(y, j);
                if (yj == 0) continue;
                const int p = P(i, j);
                if (p < 0) return -1;
                r = c_.Add(r, c_.Scale(p, xi * yj));
            }
        }
        return r;
    }

    // False when some basis triple whose terms are known is not associative.
    bool Associative() const {
        const int k = c_.k;
        for (int i = 0; i < k; ++i)
            for (int j = 0; j < k; ++j) {
                const int ij = P(i, j);
                if (ij < 0) continue;
                for (int l = 0; l < k; ++l) {
                    const int jl = P(j, l);
                    if (jl < 0) continue;
                    const int left = Product(ij, c_.unit[static_cast<std::size_t>(l)]);
                    if (left < 0) continue;
                    const int right = Product(c_.unit[static_cast<std::size_t>(i)], jl);
                    if (right >= 0 && left != right) return false;
                }
            }
        return true;
    }

    // False when an automorphism keeping e_0..e_m together maps the products
    // of blocks 0..m to a smaller sequence.
    bool Leading(int m) const {
        const int end = blockEnd_[static_cast<std::size_t>(m)];
        for (int a : keeping_[static_cast<std::size_t>(m)]) {
            const auto& s = automorphisms_[static_cast<std::size_t>(a)];
            for (int t = 0; t < end; ++t) {
                const int slot = slots_[static_cast<std::size_t>(t)];
                const int i = slot / c_.k;
                const int j = slot % c_.k;
                const int x = s.image[static_cast<std::size_t>(c_.unit[static_cast<std::size_t>(i)])];
                const int y = s.image[static_cast<std::size_t>(c_.unit[static_cast<std::size_t>(j)])];
                const int product = Product(x, y);
                assert(product >= 0);  // x and y lie among e_0..e_m, whose products are known
                const int mapped = s.inverse[static_cast<std::size_t>(product)];
                const int own = products_[static_cast<std::size_t>(slot)];
                if (mapped < own) return false;
                if (mapped > own) break;
            }
        }
        return true;
    }

    bool Yield() {
        if (++nodes_ % 64 != 0) return result_.halted;
        const auto now = Clock::now();
        if (now - lastYield_ < std::chrono::milliseconds(20)) return result_.halted;
        lastYield_ = now;
        if (progress_.StopRequested()) result_.halted = true;
        return result_.halted;
    }

    void Assign(int t) {
        if (t == static_cast<int>(slots_.size())) {
            Record();
            return;
        }
        const int slot = slots_[static_cast<std::size_t>(t)];
        for (int value : domains_[static_cast<std::size_t>(slot)]) {
            if (Yield()) break;
            products_[static_cast<std::size_t>(slot)] = value;
            if (!Associative()) continue;
            const int m = lastOfBlock_[static_cast<std::size_t>(t)];
            if (m >= 0 && !Leading(m)) continue;
            Assign(t + 1);
        }
        products_[static_cast<std::size_t>(slot)] = -1;
    }

    void Record() {
        Ring ring;
        const auto n = static_cast<std::size_t>(c_.n);
        ring.table.assign(n, std::vector<int>(n, 1));
        for (int a = 1; a <= c_.n; ++a)
            for (int b = 1; b <= c_.n; ++b)
                ring.table[static_cast<std::size_t>(a - 1)][static_cast<std::size_t>(b - 1)] =
                    c_.position[static_cast<std::size_t>(
                        Product(c_.code[static_cast<std::size_t>(a)], c_.code[static_cast<std::size_t>(b)]))];
        result_.rings.push_back(std::move(ring));
        if (result_.rings.size() % 16 == 0)
            progress_.Report(std::to_string(result_.rings.size()) + " ring(s) found...");
    }

    const Coordinates& c_;
    Progress& progress_;
    std::vector<int> products_;
    std::vector<int> slots_;
    std::vector<int> blockEnd_;
    std::vector<int> lastOfBlock_;
    std::vector<std::vector<int>> domains_;
    std::vector<Automorphism> automorphisms_;
    std::vector<std::vector<int>> keeping_;
    RingList result_;
    long long nodes_ = 0;
    Clock::time_point lastYield_;
};

}  // namespace

int RingList::WithOne() const {
    return static_cast<int>(
        std::count_if(rings.begin(), rings.end(), [](const Ring& r) { return r.properties.hasOne; }));
}

int RingList::Commutative() const {
    return static_cast<int>(
        std::count_if(rings.begin(), rings.end(), [](const Ring& r) { return r.properties.commutative; }));
}

RingList FindAssociativeRings(const Group& a, Progress& progress) {
    if (!a.IsGenerated()) throw InvalidArgument("The group has not been generated.");
    if (!a.Abelian()) throw InvalidArgument("Rings need an abelian group; " + a.GroupID() + " is not abelian.");
    if (a.order() > kMaxRingOrder)
        throw InvalidArgument("Rings are found for groups of order " + std::to_string(kMaxRingOrder) +
                              " or less; this group has order " + std::to_string(a.order()) + ".");
    const Coordinates c = Decompose(a);
    RingSearch search(c, progress);
    RingList list = search.Run();
    for (auto& ring : list.rings) ring.properties = AnalyseRing(a, ring.table);
    return list;
}

RingProperties AnalyseRing(const Group& a, const std::vector<std::vector<int>>& table) {
    const int n = a.order();
    auto mul = [&](int x, int y) { return table[static_cast<std::size_t>(x - 1)][static_cast<std::size_t>(y - 1)]; };
    RingProperties p;
    int one = 0;
    for (int u = 1; u <= n && one == 0; ++u) {
        bool isOne = true;
        for (int x = 1; x <= n && isOne; ++x) isOne = mul(u, x) == x && mul(x, u) == x;
        if (isOne) one = u;
    }
    p.hasOne = one != 0;
    p.commutative = true;
    p.zeroRing = true;
    for (int x = 1; x <= n; ++x)
        for (int y = 1; y <= n; ++y) {
            if (mul(x, y) != mul(y, x)) p.commutative = false;
            if (mul(x, y) != 1) p.zeroRing = false;
        }
    int exponent = 1;
    for (int x = 1; x <= n; ++x) {
        exponent = std::lcm(exponent, a.elementOrder(x));
        if (mul(x, x) == x) ++p.idempotents;
        int y = x;
        for (int t = 0; t <= n && y != 1; ++t) y = mul(y, x);
        if (y == 1) ++p.nilpotents;
        if (p.hasOne)
            for (int z = 1; z <= n; ++z)
                if (mul(x, z) == one && mul(z, x) == one) {
                    ++p.units;
                    break;
                }
    }
    p.characteristic = p.hasOne ? a.elementOrder(one) : exponent;
    p.divisionRing = p.hasOne && n > 1 && p.units == n - 1;
    p.field = p.divisionRing && p.commutative;
    if (!p.hasOne) return p;
    p.cyclicWithOne = a.elementOrder(one) == n;
    if (!p.commutative) return p;
    // A commutative ring with one is the product of the ideals R e over its
    // primitive idempotents e; it is a product of rings Z_m when each R e is
    // cyclic, generated by e.
    p.productOfCyclic = true;
    for (int e = 2; e <= n; ++e) {
        if (mul(e, e) != e) continue;
        bool primitive = true;
        for (int f = 2; f <= n && primitive; ++f)
            if (f != e && mul(f, f) == f && mul(f, e) == f) primitive = false;
        if (!primitive) continue;
        ElementSet ideal;
        for (int x = 1; x <= n; ++x) ideal.set(static_cast<std::size_t>(mul(e, x)));
        if (static_cast<int>(ideal.count()) != a.elementOrder(e)) p.productOfCyclic = false;
        p.cyclicFactors.push_back(a.elementOrder(e));
    }
    if (n == 1) p.cyclicFactors.push_back(1);
    std::sort(p.cyclicFactors.rbegin(), p.cyclicFactors.rend());
    if (!p.productOfCyclic) p.cyclicFactors.clear();
    return p;
}

std::vector<GroupPtr> AbelianGroupsOfOrder(int n) {
    if (n < 1 || n > kMaxGroupOrder)
        throw InvalidArgument("No abelian groups of order " + std::to_string(n) + " are built.");
    std::vector<GroupPtr> out;
    for (const auto& type : AbelianTypes(n)) {
        std::string spec;
        for (int d : type) spec += (spec.empty() ? "Z" : "xZ") + std::to_string(d);
        out.push_back(MakeGroupFromSpec(spec.empty() ? "Z1" : spec));
    }
    return out;
}

std::string RingKindText(const RingProperties& p) {
    if (!p.hasOne) return {};
    std::string product;
    for (int m : p.cyclicFactors) product += (product.empty() ? "Z_" : " x Z_") + std::to_string(m);
    if (p.field && !p.cyclicWithOne) {
        return "the field of " + std::to_string(p.units + 1) + " elements";
    }
    if (p.field) return product + ", a field";
    return product;
}

}  // namespace quorix
