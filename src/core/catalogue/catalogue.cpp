#include "core/catalogue/catalogue.h"

#include <algorithm>
#include <cassert>
#include <map>

#include "core/catalogue/catalogue_tables.h"

namespace quorix {

namespace {

// Invariants every isomorphism keeps: the count of elements of each order,
// the number of distinct squares and the order of the centre.
std::vector<int> Invariants(const Group& g) {
    const int n = g.order();
    std::vector<int> key(static_cast<std::size_t>(n) + 3, 0);
    key[0] = n;
    ElementSet squares;
    int centre = 0;
    for (int x = 1; x <= n; ++x) {
        ++key[static_cast<std::size_t>(g.elementOrder(x))];
        squares.set(static_cast<std::size_t>(g.mul(x, x)));
        bool central = true;
        for (int y = 1; y <= n && central; ++y) central = g.mul(x, y) == g.mul(y, x);
        centre += central ? 1 : 0;
    }
    key[static_cast<std::size_t>(n) + 1] = static_cast<int>(squares.count());
    key[static_cast<std::size_t>(n) + 2] = centre;
    return key;
}

std::string Cyclic(int n) { return "Z|@" + std::to_string(n) + "|"; }

// An abelian group by its invariant factors d1 | d2 | ... (from the number of
// elements whose order divides each prime power).
std::string AbelianName(const Group& g) {
    const int n = g.order();
    std::map<int, std::vector<int>> parts;  // prime -> part sizes (exponents), descending
    int rest = n;
    for (int p = 2; p <= rest; ++p) {
        if (rest % p != 0) continue;
        int e = 0;
        while (rest % p == 0) rest /= p, ++e;
        // s_k = log_p of the number of elements with order dividing p^k.
        std::vector<int> s(static_cast<std::size_t>(e) + 1, 0);
        for (int k = 1, pk = p; k <= e; ++k, pk *= p) {
            int count = 0;
            for (int x = 1; x <= n; ++x) count += pk % g.elementOrder(x) == 0 ? 1 : 0;
            while (count > 1) count /= p, ++s[static_cast<std::size_t>(k)];
        }
        // Parts of size >= k: s_k - s_(k-1).
        std::vector<int> sizes;
        for (int k = e; k >= 1; --k) {
            const int atLeast = s[static_cast<std::size_t>(k)] - s[static_cast<std::size_t>(k - 1)];
            while (static_cast<int>(sizes.size()) < atLeast) sizes.push_back(k);
        }
        parts[p] = sizes;
    }
    std::size_t factors = 0;
    for (const auto& [p, sizes] : parts) factors = std::max(factors, sizes.size());
    std::vector<int> d(factors, 1);  // d[0] the largest factor
    for (const auto& [p, sizes] : parts)
        for (std::size_t i = 0; i < sizes.size(); ++i)
            for (int k = 0; k < sizes[i]; ++k) d[i] *= p;
    if (d.empty()) return Cyclic(1);
    std::reverse(d.begin(), d.end());
    if (d.size() >= 3 && d.front() == d.back()) return Cyclic(d.front()) + "^" + std::to_string(d.size()) + "|";
    std::string name;
    for (std::size_t i = 0; i < d.size(); ++i) name += (i ? " x " : "") + Cyclic(d[i]);
    return name;
}

// The non-abelian groups of order at most 20 with their element-order counts
// ("2:9,4:2,8:4": nine of order 2, ...) and, where those agree, the number of
// squares (0: not needed; 2: exactly two squares; 3: more than two).
struct NonAbelian {
    CatalogueNameInfo info;
    const char* orders;
    int squares;
};

const std::vector<NonAbelian>& NonAbelianTable() {
    static const std::vector<NonAbelian> table = {
        {{6, "D|@3|", "dihedral group of order 6, the symmetries of a triangle (S|@3|)"}, "2:3,3:2", 0},
        {{8, "D|@4|", "dihedral group of order 8, the symmetries of a square"}, "2:5,4:2", 0},
        {{8, "Q|@8|", "quaternion group {±1, ±i, ±j, ±k}"}, "2:1,4:6", 0},
        {{10, "D|@5|", "dihedral group of order 10, the symmetries of a pentagon"}, "2:5,5:4", 0},
        {{12, "A|@4|", "alternating group of degree 4, the rotations of a tetrahedron"}, "2:3,3:8", 0},
        {{12, "D|@6|", "dihedral group of order 12, the symmetries of a hexagon"}, "2:7,3:2,6:2", 0},
        {{12, "Dic|@3|", "dicyclic group of order 12, Z|@3| ⋊ Z|@4|"}, "2:1,3:2,4:6,6:2", 0},
        {{14, "D|@7|", "dihedral group of order 14"}, "2:7,7:6", 0},
        {{16, "D|@8|", "dihedral group of order 16, the symmetries of an octagon"}, "2:9,4:2,8:4", 0},
        {{16, "Q|@16|", "generalised quaternion group (dicyclic of order 16)"}, "2:1,4:10,8:4", 0},
        {{16, "SD|@16|", "semidihedral group: a of order 8, b of order 2, bab = a|3|"}, "2:5,4:6,8:4", 0},
        {{16, "M|@16|", "modular group: a of order 8, b of order 2, bab = a|5|"}, "2:3,4:4,8:8", 0},
        {{16, "Z|@2| x D|@4|", "direct product of Z|@2| and the dihedral group of order 8"}, "2:11,4:4", 0},
        {{16, "Z|@2| x Q|@8|", "direct product of Z|@2| and the quaternion group"}, "2:3,4:12", 2},
        {{16, "Z|@4| ⋊ Z|@4|", "a and b of order 4, bab|-1| = a|-1|"}, "2:3,4:12", 3},
        {{16, "Z|@2|^2| ⋊ Z|@4|", "Z|@2| x Z|@2| extended by an element of order 4 acting as a swap"}, "2:7,4:8", 3},
        {{16, "D|@4| ∘ Z|@4|", "Pauli group: central product of D|@4| and Z|@4| (the Pauli matrices with ±1, ±i)"},
         "2:7,4:8",
         2},
        {{18, "D|@9|", "dihedral group of order 18"}, "2:9,3:2,9:6", 0},
        {{18, "Z|@3| x S|@3|", "direct product of Z|@3| and S|@3|"}, "2:3,3:8,6:6", 0},
        {{18, "Z|@3|^2| ⋊ Z|@2|", "generalised dihedral group of Z|@3| x Z|@3| (an element of order 2 inverts)"},
         "2:9,3:8",
         0},
        {{20, "D|@10|", "dihedral group of order 20, the symmetries of a decagon"}, "2:11,5:4,10:4", 0},
        {{20, "Dic|@5|", "dicyclic group of order 20, Z|@5| ⋊ Z|@4|"}, "2:1,4:10,5:4,10:4", 0},
        {{20, "Z|@5| ⋊ Z|@4|", "Frobenius group of order 20, the affine maps x -> ax + b mod 5"}, "2:5,4:10,5:4", 0},
    };
    return table;
}

std::string OrderCounts(const std::vector<int>& key) {
    std::string s;
    for (std::size_t k = 2; k + 2 < key.size(); ++k)
        if (key[k] > 0) s += (s.empty() ? "" : ",") + std::to_string(k) + ":" + std::to_string(key[k]);
    return s;
}

}  // namespace

std::string CatalogueEntry::Label() const { return "#" + std::to_string(order) + "-" + std::to_string(number); }

const std::vector<CatalogueNameInfo>& NonAbelianCatalogueNames() {
    static const std::vector<CatalogueNameInfo> names = [] {
        std::vector<CatalogueNameInfo> v;
        for (const NonAbelian& a : NonAbelianTable()) v.push_back(a.info);
        return v;
    }();
    return names;
}

std::string ConventionalName(const Group& g) {
    const int n = g.order();
    if (n > Catalogue::kMaxOrder) return {};
    if (g.Abelian()) return AbelianName(g);
    const std::vector<int> key = Invariants(g);
    const std::string counts = OrderCounts(key);
    const int squares = key[static_cast<std::size_t>(n) + 1];
    for (const NonAbelian& a : NonAbelianTable())
        if (a.info.order == n && counts == a.orders && (a.squares == 0 || (a.squares == 2) == (squares == 2)))
            return a.info.name;
    assert(false && "every non-abelian group of order <= 20 is in the table");
    return {};
}

const std::vector<GroupPtr>& Catalogue::Solutions(int n, Progress& /*progress*/) {
    if (n < 1 || n > kMaxOrder) throw InvalidArgument("Catalogue order out of range: " + std::to_string(n));
    OrderData& d = data_[static_cast<std::size_t>(n)];
    std::call_once(d.built, [&] { Build(n, d); });
    return d.solutions;
}

void Catalogue::Build(int n, OrderData& d) {
    // The search's solutions are stored as their tables (catalogue_tables.cpp,
    // checked against the search by a test): building them takes microseconds
    // where the search of order 16 takes a second.
    const auto size = static_cast<std::size_t>(n);
    int number = 0;
    for (std::string_view cells : CatalogueTables()) {
        if (cells.size() != size * size) continue;
        CayleyTable table(size, std::vector<std::string>(size));
        for (std::size_t r = 0; r < size; ++r)
            for (std::size_t c = 0; c < size; ++c) table[r][c] = std::string(1, cells[r * size + c]);
        GroupPtr group = Group::Create();
        group->Generate(table);
        group->SetGroupID("Group #" + std::to_string(n) + "-" + std::to_string(++number));
        d.solutions.push_back(group);
    }
    for (const GroupPtr& s : d.solutions) {
        d.keys.push_back(Invariants(*s));
        d.names.push_back(ConventionalName(*s));
    }
    d.searched.store(true, std::memory_order_release);
}

std::optional<CatalogueEntry> Catalogue::Identify(const Group& g, Progress& progress) {
    const int n = g.order();
    if (n < 1 || n > kMaxOrder) return std::nullopt;
    const std::vector<GroupPtr>& solutions = Solutions(n, progress);
    const OrderData& d = data_[static_cast<std::size_t>(n)];
    if (!d.searched) return std::nullopt;
    const std::vector<int> key = Invariants(g);
    for (std::size_t s = 0; s < solutions.size(); ++s) {
        if (d.keys[s] != key) continue;
        if (solutions[s]->IsIsomorphic(g)) return CatalogueEntry{n, static_cast<int>(s) + 1, d.names[s]};
    }
    assert(false && "every group of order <= 20 is among the search's solutions");
    return std::nullopt;
}

std::string CatalogueNote(Catalogue& catalogue, const Group& g, Progress& progress) {
    const std::optional<CatalogueEntry> e = catalogue.Identify(g, progress);
    return e ? " [" + e->Label() + " " + e->name + "]" : std::string();
}

std::vector<std::string> CatalogueNotes(Catalogue& catalogue, const std::vector<GroupPtr>& groups, Progress& progress) {
    std::vector<std::string> notes(groups.size());
    for (std::size_t i = 0; i < groups.size() && !progress.Stopped(); ++i)
        notes[i] = CatalogueNote(catalogue, *groups[i], progress);
    return notes;
}

std::string QuotientNote(Catalogue& catalogue, const GroupPtr& g, const GroupPtr& n, Progress& progress) {
    if (n->Order() < 1 || g->Order() / n->Order() > Catalogue::kMaxOrder) return {};
    GroupPtr q = Group::Create();
    q->GenerateQuotientGroup(g, n);
    return CatalogueNote(catalogue, *q, progress);
}

}  // namespace quorix
