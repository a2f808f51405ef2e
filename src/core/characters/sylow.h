#pragma once
// Sylow subgroups: for every prime p dividing |G|, one subgroup of order p^k
// (the largest power of p dividing |G|), the number n_p of them, which is
// |G : N_G(P)|, ≡ 1 (mod p) and divides |G|/p^k, and on request all of them.

#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/group/group.h"
#include "core/host/progress.h"

namespace quorix {

struct SylowSubgroups {
    int prime = 0;
    int exponent = 0;  // k
    int order = 0;     // p^k
    int count = 0;     // n_p
    int normalizerOrder = 0;
    bool normal = false;  // n_p == 1
    // One of them (reductive positions), grown from the identity by adding
    // the first element of p-power order, in position order, that keeps it a
    // p-group.
    ElementSet subgroup;
    // The whole conjugacy class, starting with `subgroup`, in the order of
    // the first conjugating positions (filled on request).
    std::vector<ElementSet> conjugates;
};

struct SylowResult {
    std::vector<SylowSubgroups> primes;  // one entry per prime divisor of |G|, ascending; none for {1}
    bool halted = false;                 // a stop was requested: the primes done so far
};

// The Sylow subgroups of every prime; a stop requested through `progress`
// ends it between two steps with the primes finished before.
SylowResult ComputeSylowSubgroups(const Group& g, Progress& progress, bool allConjugates = false);

// The catalogue note (" [#8-4 Q|@8|]") of a subgroup of g given by its
// positions, "" when it is larger than 20.
std::string SubgroupCatalogueNote(Catalogue& catalogue, const GroupPtr& g, const ElementSet& members,
                                  Progress& progress);

// "{1, A, B, AB}": the positions' reductive names, in position order.
std::string ElementSetText(const Group& g, const ElementSet& members);

}  // namespace quorix

namespace quorix {

// "n_2 = 3 ≡ 1 (mod 2), and 3 divides 24/8 = 3".
std::string SylowCountText(const SylowSubgroups& s, int groupOrder);

}  // namespace quorix
