#pragma once
// A permutation group of any size, given by named generators on the points
// 1..degree (0-based inside). Its order is exact; it is built once and is
// immutable. Groups that contain the alternating group on their moved points
// (8 or more of them) are recognised by a theorem instead of a chain: a
// primitive group holding a p-cycle for a prime p <= m-3 contains Alt(m)
// (Jordan), so S_1000 costs a block test and a few random elements.

#include <gmpxx.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/host/progress.h"
#include "core/perm/stabilizer_chain.h"

namespace quorix::perm {

class PermGroup;
using PermGroupPtr = std::shared_ptr<const PermGroup>;

class PermGroup {
public:
    enum class Giant { No, Alternating, Symmetric };

    // Null when the progress asked to stop. names default to g1, g2, ...
    static PermGroupPtr Create(int degree, std::vector<Perm> generators, std::vector<std::string> names,
                               Progress& progress);
    static PermGroupPtr Create(int degree, std::vector<Perm> generators);  // never halts

    int degree() const { return degree_; }
    const std::vector<Perm>& generators() const { return generators_; }
    const std::vector<std::string>& names() const { return names_; }
    const mpz_class& Order() const { return order_; }
    Giant giant() const { return giant_; }
    // The base of the chain (1-based in text); for a giant the moved points but one or two.
    std::vector<Point> Base() const;

    bool Contains(const Perm& g) const;
    // Orbits on all points 1..degree, each ascending, by least point.
    std::vector<std::vector<Point>> Orbits() const;
    bool IsTransitive() const { return Orbits().size() == 1; }
    bool IsAbelian() const;
    // Seeded: the same seed gives the same elements.
    std::vector<Perm> RandomElements(std::uint64_t seed, int count) const;

    // The pointwise stabilizer of the points (null when halted).
    PermGroupPtr Stabilizer(const std::vector<Point>& points, Progress& progress) const;
    // The smallest normal subgroup holding the elements.
    PermGroupPtr NormalClosure(const std::vector<Perm>& elements, Progress& progress) const;
    PermGroupPtr DerivedSubgroup(Progress& progress) const;
    // Orders G, G', G'', ... down to where the series stops (empty when halted).
    std::vector<mpz_class> DerivedSeriesOrders(Progress& progress) const;
    // nullopt when halted.
    std::optional<mpz_class> CentreOrder(Progress& progress) const;

    // A chain that writes members as words in the generators (null when
    // halted or for a giant of more than 12 points, whose words would be too long).
    std::unique_ptr<StabilizerChain> WordChain(Progress& progress) const;
    // "U R^-1 F^2", "1" for the empty word.
    std::string FormatWord(const Word& w) const;
    std::vector<long long> GeneratorOrders() const;

private:
    PermGroup() = default;
    int degree_ = 0;
    std::vector<Perm> generators_;
    std::vector<std::string> names_;
    mpz_class order_;
    Giant giant_ = Giant::No;
    std::vector<Point> support_;
    std::unique_ptr<StabilizerChain> chain_;
};

// n! as an exact integer.
mpz_class Factorial(int n);
// "2^27 * 3^14 * 5^3"; "1" for one.
std::string FactorisedString(const mpz_class& n);

}  // namespace quorix::perm
