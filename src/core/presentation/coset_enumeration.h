#pragma once
// Todd-Coxeter coset enumeration over the trivial subgroup: the regular
// action of a finitely presented group on its elements, when the group is
// finite and the enumeration fits in the coset limit.
//
// The strategy defines cosets row by row and scans every relator at each
// (the Hasse-Lindley-Todd order); when the table is full it scans all live
// cosets without defining new ones, processes the coincidences found and
// packs the table. A group whose enumeration still does not fit is refused:
// it is infinite or too large, the enumeration cannot tell which.

#include <vector>

#include "core/host/progress.h"
#include "core/presentation/presentation.h"

namespace quorix {

// Enough for the groups of at most 5,040 elements the program is given (a
// hundred cosets an element), small enough to refuse an infinite group in a
// fraction of a second.
inline constexpr int kCosetLimit = 504000;
// Letters of relators scanned before the enumeration gives up. A group of
// 5,040 elements needs some millions (Z9000 needs 81 million); an
// infinite group with long relators (a^777, ...) would otherwise fill and
// pack a table of kCosetLimit cosets again and again for minutes.
inline constexpr long long kScanLimit = 100'000'000;

struct CosetEnumeration {
    // LimitReached: the table stayed full of kCosetLimit cosets;
    // ScanLimitReached: kScanLimit letters were scanned.
    enum class Status { Complete, LimitReached, ScanLimitReached, Halted };
    Status status = Status::Complete;
    int cosets = 0;         // Complete: the index (the group's order); else the live cosets at the end
    long defined = 0;       // cosets defined in all
    long long scanned = 0;  // relator letters scanned in all (an upper bound)
    // Complete: table[c * columns + letter] is the coset c.letter (0-based,
    // coset 0 the subgroup, columns = 2 * generators).
    std::vector<int> table;
    int columns = 0;
};

CosetEnumeration EnumerateCosets(const Presentation& presentation, Progress& progress, int limit = kCosetLimit);

// True when the exponent-sum matrix of the relators has rank below the
// number of generators: the abelianised group, and so the group, is infinite.
bool HasInfiniteAbelianisation(const Presentation& presentation);

}  // namespace quorix
