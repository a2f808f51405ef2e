#include "core/perm/stabilizer_chain.h"

#include <algorithm>

namespace quorix::perm {

namespace {

std::uint64_t NextRandom(std::uint64_t& state) {
    // splitmix64: the same sequence on every platform.
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::size_t Below(std::uint64_t& state, std::size_t n) { return static_cast<std::size_t>(NextRandom(state) % n); }

void Append(Word& w, const Word& tail) {
    for (int letter : tail) {
        if (!w.empty() && w.back() == -letter)
            w.pop_back();
        else
            w.push_back(letter);
    }
}

// The explicit inverse representatives are kept while they fit in this many points.
constexpr std::size_t kExplicitPointLimit = 1 << 24;

}  // namespace

Word InverseWord(const Word& w) {
    Word r(w.rbegin(), w.rend());
    for (int& letter : r) letter = -letter;
    return r;
}

Word ReduceWord(const Word& w, const std::vector<long long>& generatorOrders) {
    // Runs of one generator become a power taken modulo the generator's order,
    // written with the shorter sign; repeat until nothing changes.
    Word current;
    Append(current, w);
    while (true) {
        Word next;
        bool changed = false;
        for (std::size_t i = 0; i < current.size();) {
            const int g = current[i] < 0 ? -current[i] : current[i];
            std::size_t j = i;
            long long e = 0;
            while (j < current.size() && (current[j] == g || current[j] == -g)) e += current[j] > 0 ? 1 : -1, ++j;
            const long long order = generatorOrders[static_cast<std::size_t>(g - 1)];
            long long r = order > 0 ? ((e % order) + order) % order : e;
            if (order > 0 && r > order / 2) r -= order;
            const long long len = r < 0 ? -r : r;
            if (len != static_cast<long long>(j - i)) changed = true;
            Word run(static_cast<std::size_t>(len), r < 0 ? -g : g);
            Append(next, run);
            i = j;
        }
        if (!changed) return next;
        current = std::move(next);
    }
}

StabilizerChain::StabilizerChain(int degree, const std::vector<Perm>& generators, const Options& options,
                                 Progress& progress)
    : degree_(degree), explicit_(false), options_(options) {
    explicit_ = static_cast<std::size_t>(degree) * static_cast<std::size_t>(degree) * 8 <= kExplicitPointLimit;
    for (Point b : options.basePrefix) PushLevel(b);
    for (std::size_t k = 0; k < generators.size(); ++k) {
        if (IsIdentity(generators[k])) continue;
        std::size_t stop = 0;
        // Each generator joins every level whose earlier base points it fixes.
        while (stop < levels_.size() && generators[k][base_[stop]] == base_[stop]) ++stop;
        AddStrong(generators[k], Word{static_cast<int>(k) + 1}, stop);
    }
    if (!options.trackWords) RandomPhase(generators, progress);
    if (!halted_ && !Done()) halted_ = !Complete(progress);
}

mpz_class StabilizerChain::Order() const {
    mpz_class order = 1;
    for (const Level& L : levels_) order *= static_cast<unsigned long>(L.orbit.size());
    return order;
}

bool StabilizerChain::Done() const {
    return (options_.knownOrder && Order() == *options_.knownOrder) ||
           (options_.orderBound && Order() == *options_.orderBound);
}

std::vector<Perm> StabilizerChain::StabilizerGenerators(std::size_t level) const {
    std::vector<Perm> gens;
    if (level < levels_.size())
        for (int k : levels_[level].gens) gens.push_back(strong_[static_cast<std::size_t>(k)]);
    return gens;
}

void StabilizerChain::PushLevel(Point b) {
    base_.push_back(b);
    Level L;
    L.base = b;
    L.edge.assign(static_cast<std::size_t>(degree_), -1);
    L.position.assign(static_cast<std::size_t>(degree_), -1);
    L.edge[b] = -2;
    L.position[b] = 0;
    L.orbit.push_back(b);
    if (explicit_) L.inverseRep.push_back(Identity(degree_));
    levels_.push_back(std::move(L));
}

void StabilizerChain::AddStrong(Perm g, Word word, std::size_t level) {
    if (level == levels_.size()) {
        Point moved = 0;
        while (g[moved] == moved) ++moved;
        PushLevel(moved);
    }
    const int k = static_cast<int>(strong_.size());
    strongInv_.push_back(Inverse(g));
    strong_.push_back(std::move(g));
    if (options_.trackWords && word.size() > kMaxWordLength) wordsLost_ = true;
    strongWord_.push_back(options_.trackWords && !wordsLost_ ? std::move(word) : Word{});
    for (std::size_t i = 0; i <= level; ++i) {
        levels_[i].gens.push_back(k);
        ExtendOrbit(i, k);
    }
}

void StabilizerChain::AddToOrbit(Level& L, Point q, int gen, Point from) {
    L.position[q] = static_cast<int>(L.orbit.size());
    L.orbit.push_back(q);
    L.edge[q] = gen;
    if (explicit_) {
        const Perm& inv = strongInv_[static_cast<std::size_t>(gen)];
        const Perm& parent = L.inverseRep[static_cast<std::size_t>(L.position[from])];
        L.inverseRep.push_back(Multiply(inv, parent));
    }
}

void StabilizerChain::ExtendOrbit(std::size_t level, int newGen) {
    Level& L = levels_[level];
    const Perm& s = strong_[static_cast<std::size_t>(newGen)];
    const std::size_t old = L.orbit.size();
    for (std::size_t i = 0; i < old; ++i) {
        const Point q = s[L.orbit[i]];
        if (L.position[q] < 0) AddToOrbit(L, q, newGen, L.orbit[i]);
    }
    for (std::size_t i = old; i < L.orbit.size(); ++i) {
        const Point p = L.orbit[i];
        for (int k : L.gens) {
            const Point q = strong_[static_cast<std::size_t>(k)][p];
            if (L.position[q] < 0) AddToOrbit(L, q, k, p);
        }
    }
}

Perm StabilizerChain::InverseRep(const Level& L, Point p) const {
    if (explicit_) return L.inverseRep[static_cast<std::size_t>(L.position[p])];
    Perm r = Identity(degree_);
    for (Point b = p; L.edge[b] != -2;) {
        const Perm& inv = strongInv_[static_cast<std::size_t>(L.edge[b])];
        for (Point& x : r) x = inv[x];
        b = inv[b];
    }
    return r;
}

Perm StabilizerChain::Rep(const Level& L, Point p) const { return Inverse(InverseRep(L, p)); }

std::optional<Word> StabilizerChain::RepWord(const Level& L, Point p) const {
    std::vector<int> path;
    for (Point b = p; L.edge[b] != -2;) {
        path.push_back(L.edge[b]);
        b = strongInv_[static_cast<std::size_t>(L.edge[b])][b];
    }
    Word w;
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
        Append(w, strongWord_[static_cast<std::size_t>(*it)]);
        if (w.size() > kMaxWordLength) return std::nullopt;
    }
    return w;
}

Perm StabilizerChain::SiftFrom(Perm g, std::size_t from, std::size_t* stoppedAt) const {
    std::size_t i = from;
    for (; i < levels_.size(); ++i) {
        const Level& L = levels_[i];
        Point b = g[L.base];
        if (L.position[b] < 0) break;
        if (explicit_) {
            const Perm& inv = L.inverseRep[static_cast<std::size_t>(L.position[b])];
            for (Point& x : g) x = inv[x];
        } else {
            while (L.edge[b] != -2) {
                const Perm& inv = strongInv_[static_cast<std::size_t>(L.edge[b])];
                for (Point& x : g) x = inv[x];
                b = inv[b];
            }
        }
    }
    if (stoppedAt) *stoppedAt = i;
    return g;
}

Perm StabilizerChain::Sift(Perm g, std::size_t* stoppedAt) const { return SiftFrom(std::move(g), 0, stoppedAt); }

bool StabilizerChain::Contains(const Perm& g) const {
    if (g.size() > static_cast<std::size_t>(degree_)) {
        for (std::size_t i = static_cast<std::size_t>(degree_); i < g.size(); ++i)
            if (g[i] != i) return false;
        return Contains(Perm(g.begin(), g.begin() + degree_));
    }
    return IsIdentity(Sift(Extend(g, degree_)));
}

std::optional<Word> StabilizerChain::SiftWord(Perm g, Word w, std::size_t from) const {
    for (std::size_t i = from; i < levels_.size(); ++i) {
        const Level& L = levels_[i];
        const Point b = g[L.base];
        if (L.position[b] < 0) break;
        const std::optional<Word> rep = RepWord(L, b);
        if (!rep) return std::nullopt;
        Append(w, InverseWord(*rep));
        if (w.size() > kMaxWordLength) return std::nullopt;
        g = Multiply(g, InverseRep(L, b));
    }
    return w;
}

std::optional<Word> StabilizerChain::WordOf(const Perm& g) const {
    if (!options_.trackWords || wordsLost_ || !Contains(g)) return std::nullopt;
    // g u_1^-1 u_2^-1 ... = 1, so g = ... u_2 u_1: the inverse of the sift's word.
    const std::optional<Word> w =
        SiftWord(Extend(Perm(g.begin(), g.begin() + std::min<std::size_t>(g.size(), degree_)), degree_), Word{}, 0);
    if (!w) return std::nullopt;
    return InverseWord(*w);
}

Perm StabilizerChain::Random(std::uint64_t& state) const {
    Perm g = Identity(degree_);
    for (std::size_t i = levels_.size(); i-- > 0;) {
        const Level& L = levels_[i];
        g = Multiply(g, Rep(L, L.orbit[Below(state, L.orbit.size())]));
    }
    return g;
}

void StabilizerChain::RandomPhase(const std::vector<Perm>& generators, Progress& progress) {
    // Product replacement: slots of generators, an accumulator, a warm-up.
    std::vector<Perm> slots;
    for (const Perm& g : generators)
        if (!IsIdentity(g)) slots.push_back(g);
    if (slots.empty()) return;
    const std::size_t given = slots.size();
    while (slots.size() < 10) slots.push_back(slots[slots.size() % given]);
    std::uint64_t state = options_.seed;
    Perm accumulator = Identity(degree_);
    auto step = [&] {
        const std::size_t i = Below(state, slots.size());
        std::size_t j = Below(state, slots.size() - 1);
        if (j >= i) ++j;
        slots[i] = (NextRandom(state) & 1) ? Multiply(slots[i], slots[j]) : Multiply(slots[j], slots[i]);
        accumulator = Multiply(accumulator, slots[i]);
        return accumulator;
    };
    for (int k = 0; k < 50; ++k) step();
    const int needed = options_.knownOrder ? 1 << 30 : 30;
    for (int quiet = 0, sifts = 0; quiet < needed && !Done(); ++sifts) {
        if (sifts % 64 == 63 && progress.StopRequested()) {
            halted_ = true;
            return;
        }
        std::size_t level = 0;
        Perm residue = Sift(step(), &level);
        if (IsIdentity(residue)) {
            ++quiet;
            continue;
        }
        quiet = 0;
        AddStrong(std::move(residue), Word{}, level);
    }
}

bool StabilizerChain::Complete(Progress& progress) {
    // Sims' check, bottom level first: every Schreier generator of a level
    // sifts through the levels below it; a residue becomes a strong generator
    // and the check resumes at the level it joined.
    long sifts = 0;
    std::size_t i = levels_.size();
    while (i-- > 0) {
        std::size_t restart = levels_.size();  // the level a residue joined, if any
        for (std::size_t pos = 0; restart == levels_.size() && pos < levels_[i].orbit.size(); ++pos) {
            const Perm up = Rep(levels_[i], levels_[i].orbit[pos]);
            for (std::size_t gi = 0; gi < levels_[i].gens.size(); ++gi) {
                const Level& L = levels_[i];
                const Point p = L.orbit[pos];
                const int s = L.gens[gi];
                const Perm& sp = strong_[static_cast<std::size_t>(s)];
                const Point q = sp[p];
                if (L.edge[q] == s && strongInv_[static_cast<std::size_t>(s)][q] == p) continue;
                if (++sifts % 256 == 0 && progress.StopRequested()) return false;
                // h = u_p s u_q^-1 in one pass.
                const Perm inverseQ = InverseRep(L, q);
                Perm h(up.size());
                for (std::size_t x = 0; x < up.size(); ++x) h[x] = inverseQ[sp[up[x]]];
                std::size_t stop = 0;
                Perm residue = SiftFrom(h, i + 1, &stop);
                if (IsIdentity(residue)) continue;
                Word w;
                if (options_.trackWords && !wordsLost_) {
                    std::optional<Word> up = RepWord(L, p), uq = RepWord(L, q);
                    std::optional<Word> residueWord;
                    if (up && uq) {
                        Append(*up, strongWord_[static_cast<std::size_t>(s)]);
                        Append(*up, InverseWord(*uq));
                        residueWord = SiftWord(h, std::move(*up), i + 1);
                    }
                    if (residueWord)
                        w = std::move(*residueWord);
                    else
                        wordsLost_ = true;
                }
                AddStrong(std::move(residue), std::move(w), stop);
                if (Done()) return true;
                restart = stop;
                break;
            }
        }
        if (restart < levels_.size()) i = restart + 1;
    }
    return true;
}

}  // namespace quorix::perm
