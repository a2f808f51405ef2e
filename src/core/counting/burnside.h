#pragma once
// Counting colourings up to symmetry. Burnside's lemma: the number of orbits
// is the average number of colourings an element fixes; an element with c
// cycles fixes k^c colourings with k colours, and constant on each cycle is
// also the rule for colourings with given numbers of each colour. The cycle
// index Z(G) = (1/|G|) sum over g of x1^c1 x2^c2 ... (c_L cycles of length L)
// gives every count at once: substitute x_L = k, or x_L = y1^L + ... + yk^L
// and read a coefficient (Polya). All numbers are exact.

#include <gmpxx.h>

#include <cstddef>
#include <string>
#include <vector>

#include "core/counting/enumerated_group.h"
#include "core/counting/permutation.h"

namespace quorix::counting {

struct BurnsideRow {
    std::size_t classSize = 0;
    std::size_t representative = 0;  // element index
    CycleType cycleType;
    int cycles = 0;
    mpz_class fixed;  // colourings the representative (and its whole class) fixes
};

struct BurnsideTable {
    std::vector<BurnsideRow> rows;  // one per conjugacy class
    std::size_t groupOrder = 0;
    mpz_class total;  // sum of classSize * fixed
    mpz_class count;  // total / groupOrder
};

// With `colours` colours (at least 1).
BurnsideTable CountColourings(const EnumeratedGroup& group, int colours);
// With numbers[i] points of colour i + 1: each at least 0, summing to the
// degree (InvalidArgument otherwise).
BurnsideTable CountColouringsWithNumbers(const EnumeratedGroup& group, const std::vector<int>& numbers);

struct CycleIndexTerm {
    mpq_class coefficient;
    CycleType cycleType;
    std::size_t elements = 0;  // how many elements have this cycle type
};

// Terms with the most cycles first (x1^n leads), ties by longer first cycles.
std::vector<CycleIndexTerm> CycleIndex(const EnumeratedGroup& group);
// "x1^2 x2^2" (the monomial of a cycle type), "1" for degree 0.
std::string MonomialText(const CycleType& type);
// "(1/24)(x1^6 + 6 x1^2 x4 + ...)": the element counts over the order.
std::string CycleIndexText(const std::vector<CycleIndexTerm>& terms, std::size_t groupOrder);

}  // namespace quorix::counting

namespace quorix::counting {

// "(729 + 3·81 + 6·27 + 6·27 + 8·9)/24 = 1368/24 = 57": the lemma's sum, one
// term per class.
std::string BurnsideSumText(const BurnsideTable& table);

}  // namespace quorix::counting
