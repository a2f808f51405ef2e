#pragma once
// A base and strong generating set (stabilizer chain) of a permutation group.
//
// Construction is randomised Schreier-Sims with a deterministic check, so
// every order it reports is certain: random elements (product replacement,
// from a fixed seed, so runs repeat exactly) are sifted and their residues
// become strong generators until a run of sifts succeeds; then either a known
// order is reached (a lower bound proved equal to an upper bound), or every
// Schreier generator of every level is sifted (Sims' check), which adds what
// the random phase missed. The random phase makes the chain small and fast;
// the check makes it right. A chain built for a known order stops as soon
// as the product of its basic orbit lengths reaches it.
//
// Transversals are Schreier vectors (an edge label per orbit point); below
// a size limit the inverse coset representatives are also kept as arrays, so
// that sifting costs one product per level.

#include <gmpxx.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "core/host/progress.h"
#include "core/perm/permutation.h"

namespace quorix::perm {

// A word in the group's generators: letter +k is generator k-1, -k its inverse.
using Word = std::vector<int>;

class StabilizerChain {
public:
    struct Options {
        std::vector<Point> basePrefix;        // base points to place first
        std::optional<mpz_class> knownOrder;  // the group's order, when proved already
        std::optional<mpz_class> orderBound;  // a proved upper bound: reaching it ends the work
        bool trackWords = false;              // keep each strong generator as a word
        std::uint64_t seed = 1;
    };
    // Null-equivalent (halted() true) when the progress asked to stop.
    StabilizerChain(int degree, const std::vector<Perm>& generators, const Options& options, Progress& progress);

    bool halted() const { return halted_; }
    int degree() const { return degree_; }
    const std::vector<Point>& base() const { return base_; }
    std::size_t levels() const { return levels_.size(); }
    const std::vector<Point>& orbit(std::size_t level) const { return levels_[level].orbit; }
    // The strong generators fixing the first `level` base points.
    std::vector<Perm> StabilizerGenerators(std::size_t level) const;
    mpz_class Order() const;

    // The residue of sifting g, and the first level it did not pass.
    Perm Sift(Perm g, std::size_t* stoppedAt = nullptr) const;
    bool Contains(const Perm& g) const;
    // A word (before reduction) for a member; needs trackWords.
    std::optional<Word> WordOf(const Perm& g) const;
    // Uniformly random element from the engine's 64-bit state.
    Perm Random(std::uint64_t& state) const;

private:
    struct Level {
        Point base = 0;
        std::vector<int> gens;  // strong generator indices
        std::vector<Point> orbit;
        std::vector<int> edge;         // per point: -1 outside, -2 the base point, else a strong generator index
        std::vector<Perm> inverseRep;  // per orbit position when explicit
        std::vector<int> position;     // per point: orbit position or -1
    };

    // A new last level on base point b: its orbit {b} so far.
    void PushLevel(Point b);
    void AddStrong(Perm g, Word word, std::size_t level);
    void ExtendOrbit(std::size_t level, int newGen);
    void AddToOrbit(Level& L, Point q, int gen, Point from);
    Perm InverseRep(const Level& L, Point p) const;
    Perm Rep(const Level& L, Point p) const;
    Perm SiftFrom(Perm g, std::size_t from, std::size_t* stoppedAt) const;
    // nullopt past kMaxWordLength.
    std::optional<Word> RepWord(const Level& L, Point p) const;
    std::optional<Word> SiftWord(Perm g, Word w, std::size_t from) const;
    bool Complete(Progress& progress);
    bool Done() const;
    void RandomPhase(const std::vector<Perm>& generators, Progress& progress);

    int degree_;
    bool explicit_;
    bool halted_ = false;
    Options options_;
    std::vector<Point> base_;
    std::vector<Level> levels_;
    std::vector<Perm> strong_, strongInv_;
    std::vector<Word> strongWord_;
    bool wordsLost_ = false;  // a word grew past the limit
};

// The longest word (in letters) a chain keeps for a strong generator; past
// it the chain gives no words (the group is too large for them).
inline constexpr std::size_t kMaxWordLength = 200'000;

Word InverseWord(const Word& w);
// Free cancellation and powers of one generator taken modulo its order
// (g g g with g of order 4 becomes g^-1).
Word ReduceWord(const Word& w, const std::vector<long long>& generatorOrders);

}  // namespace quorix::perm
