#pragma once
// A catalogue name for every group of order at most 20: the number of the
// search solution it is isomorphic to ("#16-7": the seventh group the
// Cayley-table search of order 16 finds with its default rules) and a
// conventional name (Z|@4|, D|@4|, Q|@8|, ...). The search's solutions are
// stored as tables (catalogue_tables.h) and built once per order, the first
// time a group of that order is identified (also when jobs on several threads
// ask at once); they are kept in the Catalogue object the caller owns. Groups
// of larger orders have no catalogue entry.

#include <array>
#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/group/group.h"
#include "core/host/progress.h"

namespace quorix {

struct CatalogueEntry {
    int order = 0;
    int number = 0;    // 1-based solution number of the search of that order
    std::string name;  // conventional name, markup
    // "#16-7".
    std::string Label() const;
};

// One row of the table of names: the name and what the group is.
struct CatalogueNameInfo {
    int order = 0;
    const char* name = "";  // markup
    const char* description = "";
};
// The names of the non-abelian groups of order at most 20 (the abelian ones
// are named by their invariant factors).
const std::vector<CatalogueNameInfo>& NonAbelianCatalogueNames();

// The conventional name of a group of order at most 20 from invariants that
// tell the groups of each order apart (element orders, squares); "" for
// larger groups.
std::string ConventionalName(const Group& g);

class Catalogue {
public:
    static constexpr int kMaxOrder = kMaxTableOrder;

    // The entry of a group of order at most 20; nullopt for larger groups.
    std::optional<CatalogueEntry> Identify(const Group& g, Progress& progress);

    // The solutions of the search of order n (1..20), in the order the
    // search finds them, built on first use.
    const std::vector<GroupPtr>& Solutions(int n, Progress& progress);

    // Whether the solutions of order n are built already.
    bool Searched(int n) const {
        return n >= 1 && n <= kMaxOrder && data_[static_cast<std::size_t>(n)].searched.load(std::memory_order_acquire);
    }

private:
    struct OrderData {
        std::once_flag built;
        std::atomic<bool> searched = false;
        std::vector<GroupPtr> solutions;
        std::vector<std::vector<int>> keys;
        std::vector<std::string> names;
    };
    static void Build(int n, OrderData& d);
    std::array<OrderData, kMaxOrder + 1> data_;
};

// " [#16-7 D|@8|]" for a group of order at most 20, "" otherwise: the note
// that follows a group's ID or a subgroup's line.
std::string CatalogueNote(Catalogue& catalogue, const Group& g, Progress& progress);

// The notes of a list of groups in its order. Once a stop is requested the
// remaining groups keep "": a halted identification shows no name.
std::vector<std::string> CatalogueNotes(Catalogue& catalogue, const std::vector<GroupPtr>& groups, Progress& progress);

// The note of the quotient g/n (n a normal subgroup made of g's elements);
// the quotient is built only when its order is at most 20.
std::string QuotientNote(Catalogue& catalogue, const GroupPtr& g, const GroupPtr& n, Progress& progress);

}  // namespace quorix
