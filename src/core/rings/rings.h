#pragma once
// The associative rings whose additive group is a given abelian group of
// order at most kMaxRingOrder, one per isomorphism class.
//
// The group is split into cyclic factors of prime-power order (a basis
// e_1..e_k of orders d_1..d_k, elements of the group itself). A ring is a
// bilinear multiplication, fixed by the basis products e_i e_j, each of an
// order dividing gcd(d_i, d_j); it is associative when the basis triples are.
// The search assigns the basis products one at a time, checks each
// associativity triple as soon as its terms are known, and keeps only the
// representative of each orbit of Aut(A) that is smallest in the order of the
// search (a partial assignment is dropped as soon as an automorphism that
// keeps the leading factors together maps it to a smaller one).

#include <string>
#include <vector>

#include "core/group/group.h"
#include "core/host/progress.h"

namespace quorix {

inline constexpr int kMaxRingOrder = 20;

// What is known about one ring. Counts include 0 where it qualifies.
struct RingProperties {
    bool hasOne = false;  // the trivial ring has one (0 = 1)
    bool commutative = false;
    bool zeroRing = false;      // every product is 0
    bool divisionRing = false;  // a one, 0 != 1, every non-zero element a unit
    bool field = false;         // a commutative division ring
    int units = 0;
    int idempotents = 0;
    int nilpotents = 0;
    int characteristic = 0;        // additive order of the one; without one the exponent of A
    bool cyclicWithOne = false;    // isomorphic to Z_n
    bool productOfCyclic = false;  // isomorphic to Z_n1 x ... x Z_nr (Z_n included)
    // Orders n_i of such a product (one entry for Z_n); empty otherwise.
    std::vector<int> cyclicFactors;
};

struct Ring {
    // table[a][b]: the reductive position (1-based) of the product of the
    // elements at positions a+1 and b+1 of the additive group.
    std::vector<std::vector<int>> table;
    RingProperties properties;
};

struct RingList {
    std::vector<Ring> rings;
    bool halted = false;  // stopped on request: the list is incomplete
    int WithOne() const;
    int Commutative() const;
};

// The rings on the abelian group `a` (order at most kMaxRingOrder).
// Throws InvalidArgument for a non-abelian group or a larger order.
RingList FindAssociativeRings(const Group& a, Progress& progress);

// The properties of the multiplication `table` (as in Ring) on `a`.
RingProperties AnalyseRing(const Group& a, const std::vector<std::vector<int>>& table);

// The abelian groups of order n, one per isomorphism type, as products of
// cyclic groups of prime-power order ("Z4 x Z2").
std::vector<GroupPtr> AbelianGroupsOfOrder(int n);

// A one-line name of the ring's kind for a ring with one ("Z_6",
// "Z_2 x Z_2", "the field of 4 elements"); empty when none applies.
std::string RingKindText(const RingProperties& p);

}  // namespace quorix
