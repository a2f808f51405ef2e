#include "core/perm/perm_group.h"

#include <algorithm>
#include <numeric>

#include "core/group/errors.h"

namespace quorix::perm {

namespace {

bool IsPrime(int n) {
    if (n < 2) return false;
    for (int d = 2; d * d <= n; ++d)
        if (n % d == 0) return false;
    return true;
}

// Whether the group, transitive on the points `support`, has a non-trivial
// block system there (Atkinson: the least block holding two points).
bool IsPrimitiveOn(const std::vector<Perm>& gens, const std::vector<Point>& support) {
    const std::size_t m = support.size();
    std::vector<int> local(gens.empty() ? 0 : gens[0].size(), -1);
    for (std::size_t i = 0; i < m; ++i) local[support[i]] = static_cast<int>(i);
    std::vector<std::vector<int>> images;
    for (const Perm& g : gens) {
        std::vector<int> img(m);
        for (std::size_t i = 0; i < m; ++i) img[i] = local[g[support[i]]];
        images.push_back(std::move(img));
    }
    std::vector<int> parent(m);
    auto find = [&](int x) {
        while (parent[static_cast<std::size_t>(x)] != x)
            x = parent[static_cast<std::size_t>(x)] =
                parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(x)])];
        return x;
    };
    for (std::size_t beta = 1; beta < m; ++beta) {
        std::iota(parent.begin(), parent.end(), 0);
        std::size_t classes = m;
        std::vector<std::pair<int, int>> queue{{0, static_cast<int>(beta)}};
        parent[beta] = 0;
        --classes;
        for (std::size_t q = 0; q < queue.size() && classes > 1; ++q) {
            for (const auto& img : images) {
                const int a = find(img[static_cast<std::size_t>(queue[q].first)]);
                const int b = find(img[static_cast<std::size_t>(queue[q].second)]);
                if (a == b) continue;
                parent[static_cast<std::size_t>(b)] = a;
                --classes;
                queue.emplace_back(a, b);
            }
        }
        if (classes > 1) return false;
    }
    return true;
}

std::vector<std::vector<Point>> OrbitsOf(int degree, const std::vector<Perm>& gens) {
    std::vector<int> seen(static_cast<std::size_t>(degree), 0);
    std::vector<std::vector<Point>> orbits;
    for (int p = 0; p < degree; ++p) {
        if (seen[static_cast<std::size_t>(p)]) continue;
        std::vector<Point> orbit{static_cast<Point>(p)};
        seen[static_cast<std::size_t>(p)] = 1;
        for (std::size_t i = 0; i < orbit.size(); ++i)
            for (const Perm& g : gens)
                if (!seen[g[orbit[i]]]) seen[g[orbit[i]]] = 1, orbit.push_back(g[orbit[i]]);
        std::sort(orbit.begin(), orbit.end());
        orbits.push_back(std::move(orbit));
    }
    return orbits;
}

// Generators of Sym or Alt of the points.
std::vector<Perm> GiantGenerators(int degree, const std::vector<Point>& pts, bool alternating) {
    std::vector<Perm> gens;
    const std::size_t r = pts.size();
    if (r < 2 || (alternating && r < 3)) return gens;
    auto cycle = [&](std::size_t from) {
        Perm c = Identity(degree);
        for (std::size_t i = from; i < r; ++i) c[pts[i]] = pts[i + 1 < r ? i + 1 : from];
        return c;
    };
    Perm small = Identity(degree);
    if (alternating) {
        small[pts[0]] = pts[1], small[pts[1]] = pts[2], small[pts[2]] = pts[0];
        gens.push_back(small);
        if (r > 3) gens.push_back(cycle(r % 2 ? 0 : 1));
    } else {
        small[pts[0]] = pts[1], small[pts[1]] = pts[0];
        gens.push_back(small);
        if (r > 2) gens.push_back(cycle(0));
    }
    return gens;
}

constexpr std::size_t kGiantMinimum = 8;
constexpr std::size_t kWordGiantLimit = 12;

}  // namespace

mpz_class Factorial(int n) {
    mpz_class f;
    mpz_fac_ui(f.get_mpz_t(), static_cast<unsigned long>(n < 0 ? 0 : n));
    return f;
}

std::string FactorisedString(const mpz_class& n) {
    if (n <= 1) return n.get_str();
    mpz_class rest = n;
    std::string s;
    auto add = [&](const mpz_class& p, int e) {
        if (!s.empty()) s += " * ";
        s += p.get_str();
        if (e > 1) s += "^" + std::to_string(e);
    };
    for (unsigned long p = 2; p < 100000 && rest > 1; ++p) {
        int e = 0;
        while (mpz_divisible_ui_p(rest.get_mpz_t(), p)) rest /= p, ++e;
        if (e) add(p, e);
    }
    if (rest > 1) add(rest, 1);  // orders of groups of degree <= 1000 have no larger prime
    return s;
}

PermGroupPtr PermGroup::Create(int degree, std::vector<Perm> generators) {
    Progress quiet;
    return Create(degree, std::move(generators), {}, quiet);
}

PermGroupPtr PermGroup::Create(int degree, std::vector<Perm> generators, std::vector<std::string> names,
                               Progress& progress) {
    if (degree < 1 || degree > 65535) throw InvalidArgument("a permutation group needs a degree of 1-65535");
    std::shared_ptr<PermGroup> g(new PermGroup());
    g->degree_ = degree;
    for (Perm& p : generators) {
        if (p.size() > static_cast<std::size_t>(degree))
            throw InvalidArgument("a generator moves a point past the degree");
        p = Extend(p, degree);
    }
    g->generators_ = std::move(generators);
    for (std::size_t i = names.size(); i < g->generators_.size(); ++i) names.push_back("g" + std::to_string(i + 1));
    g->names_ = std::move(names);

    std::vector<bool> moved(static_cast<std::size_t>(degree));
    for (const Perm& p : g->generators_)
        for (std::size_t i = 0; i < p.size(); ++i)
            if (p[i] != i) moved[i] = true;
    for (std::size_t i = 0; i < moved.size(); ++i)
        if (moved[i]) g->support_.push_back(static_cast<Point>(i));

    // Alt or Sym of the moved points, proved by Jordan's theorem.
    const std::size_t m = g->support_.size();
    std::vector<std::vector<Point>> orbits = OrbitsOf(degree, g->generators_);
    const bool transitiveOnSupport =
        m >= kGiantMinimum && std::any_of(orbits.begin(), orbits.end(), [&](const auto& o) { return o.size() == m; });
    if (transitiveOnSupport && IsPrimitiveOn(g->generators_, g->support_)) {
        std::uint64_t state = 12345;
        // Random elements as products of generators (product replacement).
        std::vector<Perm> slots = g->generators_;
        const std::size_t given = slots.size();
        while (slots.size() < 10) slots.push_back(slots[slots.size() % given]);
        Perm x = Identity(degree);
        bool witness = false;
        for (int k = 0; k < 400 && !witness; ++k) {
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            const std::size_t i = static_cast<std::size_t>((state >> 33) % slots.size());
            std::size_t j = static_cast<std::size_t>((state >> 13) % (slots.size() - 1));
            if (j >= i) ++j;
            slots[i] = Multiply(slots[i], slots[j]);
            x = Multiply(x, slots[i]);
            if (k < 40) continue;  // warm-up
            for (int len : CycleLengths(x))
                if (2 * static_cast<std::size_t>(len) > m && static_cast<std::size_t>(len) + 3 <= m && IsPrime(len))
                    witness = true;
            if (k % 32 == 31 && progress.StopRequested()) return nullptr;
        }
        if (witness) {
            const bool odd =
                std::any_of(g->generators_.begin(), g->generators_.end(), [](const Perm& p) { return !IsEven(p); });
            g->giant_ = odd ? Giant::Symmetric : Giant::Alternating;
            g->order_ = Factorial(static_cast<int>(m));
            if (!odd) g->order_ /= 2;
            return g;
        }
    }

    // A proved upper bound: G lies in the product over its orbits O of
    // Alt(O), where every generator acts evenly on O, or Sym(O); and in
    // Alt of all points when every generator is even, which halves the
    // product when one of its factors is a symmetric group.
    mpz_class bound = 1;
    bool someSymmetric = false;
    for (const auto& o : orbits) {
        if (o.size() < 2) continue;
        bool even = true;
        for (const Perm& p : g->generators_) {
            Perm restricted = Identity(degree);
            for (Point x : o) restricted[x] = p[x];
            even = even && IsEven(restricted);
        }
        bound *= Factorial(static_cast<int>(o.size()));
        if (even)
            bound /= 2;
        else
            someSymmetric = true;
    }
    if (someSymmetric &&
        std::all_of(g->generators_.begin(), g->generators_.end(), [](const Perm& p) { return IsEven(p); }))
        bound /= 2;
    StabilizerChain::Options options;
    options.orderBound = bound;
    g->chain_ = std::make_unique<StabilizerChain>(degree, g->generators_, options, progress);
    if (g->chain_->halted()) return nullptr;
    g->order_ = g->chain_->Order();
    return g;
}

std::vector<Point> PermGroup::Base() const {
    if (chain_) return chain_->base();
    const std::size_t keep = support_.size() - (giant_ == Giant::Alternating ? 2 : 1);
    return std::vector<Point>(support_.begin(), support_.begin() + static_cast<std::ptrdiff_t>(keep));
}

bool PermGroup::Contains(const Perm& g) const {
    for (std::size_t i = static_cast<std::size_t>(degree_); i < g.size(); ++i)
        if (g[i] != i) return false;
    if (chain_) return chain_->Contains(g);
    const Perm p = Extend(
        Perm(g.begin(), g.begin() + std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(g.size()), degree_)), degree_);
    std::vector<bool> inSupport(static_cast<std::size_t>(degree_));
    for (Point s : support_) inSupport[s] = true;
    for (std::size_t i = 0; i < p.size(); ++i)
        if (p[i] != i && !inSupport[i]) return false;
    return giant_ == Giant::Symmetric || IsEven(p);
}

std::vector<std::vector<Point>> PermGroup::Orbits() const { return OrbitsOf(degree_, generators_); }

bool PermGroup::IsAbelian() const {
    if (giant_ != Giant::No) return false;
    for (std::size_t i = 0; i < generators_.size(); ++i)
        for (std::size_t j = i + 1; j < generators_.size(); ++j)
            if (Multiply(generators_[i], generators_[j]) != Multiply(generators_[j], generators_[i])) return false;
    return true;
}

std::vector<Perm> PermGroup::RandomElements(std::uint64_t seed, int count) const {
    std::vector<Perm> out;
    std::uint64_t state = seed;
    for (int k = 0; k < count; ++k) {
        if (chain_) {
            out.push_back(chain_->Random(state));
            continue;
        }
        // Fisher-Yates on the moved points; an odd result times a fixed
        // transposition is a uniform even one.
        Perm p = Identity(degree_);
        std::vector<Point> pts = support_;
        for (std::size_t i = pts.size(); i > 1; --i) {
            state += 0x9E3779B97F4A7C15ULL;
            std::uint64_t z = state;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            z ^= z >> 31;
            std::swap(pts[i - 1], pts[static_cast<std::size_t>(z % i)]);
        }
        for (std::size_t i = 0; i < pts.size(); ++i) p[support_[i]] = pts[i];
        if (giant_ == Giant::Alternating && !IsEven(p)) std::swap(p[support_[0]], p[support_[1]]);
        out.push_back(std::move(p));
    }
    return out;
}

PermGroupPtr PermGroup::Stabilizer(const std::vector<Point>& points, Progress& progress) const {
    for (Point p : points)
        if (p >= degree_)
            throw InvalidArgument("the point " + std::to_string(p + 1) + " is past the degree " +
                                  std::to_string(degree_));
    if (giant_ != Giant::No) {
        std::vector<Point> rest;
        for (Point s : support_)
            if (std::find(points.begin(), points.end(), s) == points.end()) rest.push_back(s);
        return Create(degree_, GiantGenerators(degree_, rest, giant_ == Giant::Alternating), {}, progress);
    }
    StabilizerChain::Options options;
    options.basePrefix = points;
    std::sort(options.basePrefix.begin(), options.basePrefix.end());
    options.basePrefix.erase(std::unique(options.basePrefix.begin(), options.basePrefix.end()),
                             options.basePrefix.end());
    options.knownOrder = order_;
    StabilizerChain chain(degree_, generators_, options, progress);
    if (chain.halted()) return nullptr;
    return Create(degree_, chain.StabilizerGenerators(options.basePrefix.size()), {}, progress);
}

PermGroupPtr PermGroup::NormalClosure(const std::vector<Perm>& elements, Progress& progress) const {
    std::vector<Perm> gens;
    for (const Perm& e : elements)
        if (!IsIdentity(Extend(e, degree_))) gens.push_back(Extend(e, degree_));
    PermGroupPtr n = Create(degree_, gens, {}, progress);
    if (!n) return nullptr;
    std::vector<Perm> inverses;
    for (const Perm& g : generators_) inverses.push_back(Inverse(g));
    // Rounds: the conjugates of the newest generators by G's generators that
    // are not yet in N join it together, and N is rebuilt once per round.
    for (std::size_t from = 0; from < gens.size();) {
        const std::size_t to = gens.size();
        std::vector<Perm> added;
        for (std::size_t q = from; q < to; ++q)
            for (std::size_t k = 0; k < generators_.size(); ++k) {
                Perm c = Multiply(Multiply(inverses[k], gens[q]), generators_[k]);
                if (!n->Contains(c)) added.push_back(std::move(c));
            }
        from = to;
        if (added.empty()) break;
        gens.insert(gens.end(), added.begin(), added.end());
        n = Create(degree_, gens, {}, progress);
        if (!n) return nullptr;
    }
    return n;
}

PermGroupPtr PermGroup::DerivedSubgroup(Progress& progress) const {
    if (giant_ != Giant::No) return Create(degree_, GiantGenerators(degree_, support_, true), {}, progress);
    std::vector<Perm> commutators;
    for (std::size_t i = 0; i < generators_.size(); ++i)
        for (std::size_t j = i + 1; j < generators_.size(); ++j) {
            const Perm& a = generators_[i];
            const Perm& b = generators_[j];
            commutators.push_back(Multiply(Multiply(Inverse(a), Inverse(b)), Multiply(a, b)));
        }
    return NormalClosure(commutators, progress);
}

std::vector<mpz_class> PermGroup::DerivedSeriesOrders(Progress& progress) const {
    std::vector<mpz_class> orders{order_};
    const PermGroup* current = this;
    PermGroupPtr holder;
    while (current->Order() > 1) {
        PermGroupPtr next = current->DerivedSubgroup(progress);
        if (!next) return {};
        if (next->Order() == current->Order()) break;
        orders.push_back(next->Order());
        holder = next;
        current = holder.get();
    }
    return orders;
}

std::optional<mpz_class> PermGroup::CentreOrder(Progress& progress) const {
    if (giant_ != Giant::No) return mpz_class(1);
    if (IsAbelian()) return order_;
    // The centre is G meet K, K the product over the orbits O of the
    // centralisers of G's action on O in Sym(O). Such a centraliser is
    // semiregular: its elements c_b send a point a of O to a point b fixed
    // by G_a, and a^g to b^g. As K centralises G, |G meet K| = |G| |K| / |GK|.
    std::vector<Perm> kGens;
    mpz_class kOrder = 1;
    for (const auto& orbit : Orbits()) {
        if (orbit.size() < 2) continue;
        const Point a = orbit[0];
        PermGroupPtr stab = Stabilizer({a}, progress);
        if (!stab) return std::nullopt;
        std::vector<Point> fixed;
        for (Point b : orbit)
            if (std::all_of(stab->generators().begin(), stab->generators().end(),
                            [&](const Perm& s) { return s[b] == b; }))
                fixed.push_back(b);
        kOrder *= static_cast<unsigned long>(fixed.size());
        for (Point b : fixed) {
            if (b == a) continue;
            Perm c = Identity(degree_);
            std::vector<bool> done(static_cast<std::size_t>(degree_));
            std::vector<Point> queue{a};
            c[a] = b;
            done[a] = true;
            for (std::size_t i = 0; i < queue.size(); ++i)
                for (const Perm& g : generators_) {
                    const Point y = g[queue[i]];
                    if (done[y]) continue;
                    done[y] = true;
                    c[y] = g[c[queue[i]]];
                    queue.push_back(y);
                }
            kGens.push_back(std::move(c));
        }
    }
    if (kOrder == 1) return mpz_class(1);
    std::vector<Perm> all = generators_;
    all.insert(all.end(), kGens.begin(), kGens.end());
    PermGroupPtr gk = Create(degree_, all, {}, progress);
    if (!gk) return std::nullopt;
    return mpz_class(order_ * kOrder / gk->Order());
}

std::unique_ptr<StabilizerChain> PermGroup::WordChain(Progress& progress) const {
    if (giant_ != Giant::No && support_.size() > kWordGiantLimit) return nullptr;
    StabilizerChain::Options options;
    options.trackWords = true;
    options.knownOrder = order_;
    if (chain_) options.basePrefix = chain_->base();
    auto chain = std::make_unique<StabilizerChain>(degree_, generators_, options, progress);
    if (chain->halted()) return nullptr;
    return chain;
}

std::vector<long long> PermGroup::GeneratorOrders() const {
    std::vector<long long> orders;
    for (const Perm& g : generators_) orders.push_back(ElementOrder(g));
    return orders;
}

std::string PermGroup::FormatWord(const Word& w) const {
    if (w.empty()) return "1";
    std::string s;
    for (std::size_t i = 0; i < w.size();) {
        std::size_t j = i;
        while (j < w.size() && w[j] == w[i]) ++j;
        if (!s.empty()) s += ' ';
        s += names_[static_cast<std::size_t>((w[i] < 0 ? -w[i] : w[i]) - 1)];
        const long long e = static_cast<long long>(j - i) * (w[i] < 0 ? -1 : 1);
        if (e != 1) s += "^" + std::to_string(e);
        i = j;
    }
    return s;
}

}  // namespace quorix::perm
