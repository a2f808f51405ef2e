#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "core/rings/rings.h"
#include "support/groups.h"

namespace quorix {
namespace {

using Table = std::vector<std::vector<int>>;

RingList ringsOn(const std::string& s) {
    Progress progress;
    return FindAssociativeRings(*testing::spec(s), progress);
}

// Every multiplication in the list is associative and distributes over the
// group's addition.
void expectRingAxioms(const Group& a, const RingList& list) {
    const int n = a.order();
    for (const auto& r : list.rings) {
        auto mul = [&](int x, int y) {
            return r.table[static_cast<std::size_t>(x - 1)][static_cast<std::size_t>(y - 1)];
        };
        for (int x = 1; x <= n; ++x)
            for (int y = 1; y <= n; ++y)
                for (int z = 1; z <= n; ++z) {
                    ASSERT_EQ(mul(mul(x, y), z), mul(x, mul(y, z)));
                    ASSERT_EQ(mul(x, a.mul(y, z)), a.mul(mul(x, y), mul(x, z)));
                    ASSERT_EQ(mul(a.mul(x, y), z), a.mul(mul(x, z), mul(y, z)));
                }
    }
}

// Brute force: some permutation of the elements fixing 0 that respects the
// addition carries one multiplication onto the other.
bool isomorphic(const Group& a, const Table& s, const Table& t) {
    const int n = a.order();
    std::vector<int> f(static_cast<std::size_t>(n));
    std::iota(f.begin(), f.end(), 1);
    do {
        auto map = [&](int x) { return f[static_cast<std::size_t>(x - 1)]; };
        bool ok = true;
        for (int x = 1; x <= n && ok; ++x)
            for (int y = 1; y <= n && ok; ++y)
                ok = map(a.mul(x, y)) == a.mul(map(x), map(y)) &&
                     map(s[static_cast<std::size_t>(x - 1)][static_cast<std::size_t>(y - 1)]) ==
                         t[static_cast<std::size_t>(map(x) - 1)][static_cast<std::size_t>(map(y) - 1)];
        if (ok) return true;
    } while (std::next_permutation(f.begin() + 1, f.end()));
    return false;
}

TEST(Rings, SmallGroupsCarryTheKnownRings) {
    for (const char* s : {"Z2", "Z3", "Z5", "Z7", "Z11"}) {
        const auto list = ringsOn(s);
        ASSERT_EQ(list.rings.size(), 2u) << s;
        EXPECT_EQ(list.WithOne(), 1) << s;
        const auto& field = list.rings[0].properties.hasOne ? list.rings[0] : list.rings[1];
        EXPECT_TRUE(field.properties.field);
        EXPECT_EQ(RingKindText(field.properties), std::string("Z_") + (s + 1) + ", a field");
    }
    EXPECT_EQ(ringsOn("Z4").rings.size(), 3u);  // and with Z2xZ2 below the 11 of order 4

    const auto v4 = ringsOn("Z2xZ2");
    ASSERT_EQ(v4.rings.size(), 8u);
    EXPECT_EQ(v4.WithOne(), 3);
    std::vector<std::string> kinds;
    for (const auto& r : v4.rings)
        if (r.properties.hasOne) kinds.push_back(RingKindText(r.properties));
    std::sort(kinds.begin(), kinds.end());
    EXPECT_EQ(kinds, (std::vector<std::string>{"", "Z_2 x Z_2", "the field of 4 elements"}));

    const auto trivial = ringsOn("Z1");
    ASSERT_EQ(trivial.rings.size(), 1u);
    EXPECT_TRUE(trivial.rings[0].properties.hasOne);
    EXPECT_TRUE(trivial.rings[0].properties.zeroRing);

    EXPECT_THROW(ringsOn("S3"), InvalidArgument);
    EXPECT_THROW(ringsOn("Z21"), InvalidArgument);
}

TEST(Rings, ListedRingsAreRingsAndPairwiseDistinct) {
    for (const char* s : {"Z2xZ2", "Z4", "Z6", "Z2xZ4", "Z2xZ2xZ2", "Z9", "Z3xZ3"}) {
        const auto g = testing::spec(s);
        Progress progress;
        const auto list = FindAssociativeRings(*g, progress);
        expectRingAxioms(*g, list);
        if (g->order() > 8) continue;
        for (std::size_t i = 0; i < list.rings.size(); ++i)
            for (std::size_t j = i + 1; j < list.rings.size(); ++j)
                EXPECT_FALSE(isomorphic(*g, list.rings[i].table, list.rings[j].table)) << s << " " << i << " " << j;
    }
}

// A listed ring carried onto a shuffled copy of its group is isomorphic to
// exactly one ring listed for the copy (whose basis is found anew).
TEST(Rings, RelabelledRingIsFoundAmongTheListed) {
    const auto g = testing::spec("Z2xZ4");
    Progress progress;
    const auto list = FindAssociativeRings(*g, progress);
    std::mt19937 rng(7);
    auto copy = testing::shuffledCopy(*g, rng);
    const auto map = *copy->Isomorphism(*g);  // copy position -> g position
    std::vector<std::size_t> back(static_cast<std::size_t>(g->order()) + 1);
    for (int k = 1; k <= g->order(); ++k)
        back[static_cast<std::size_t>(map[static_cast<std::size_t>(k)])] = static_cast<std::size_t>(k);
    const auto copyList = FindAssociativeRings(*copy, progress);
    ASSERT_EQ(copyList.rings.size(), list.rings.size());
    for (std::size_t r : {std::size_t{1}, list.rings.size() / 2, list.rings.size() - 1}) {
        const auto& ring = list.rings[r].table;
        Table moved(ring.size(), std::vector<int>(ring.size()));
        for (std::size_t a = 1; a <= ring.size(); ++a)
            for (std::size_t b = 1; b <= ring.size(); ++b)
                moved[back[a] - 1][back[b] - 1] = static_cast<int>(back[static_cast<std::size_t>(ring[a - 1][b - 1])]);
        int matches = 0;
        for (const auto& other : copyList.rings) matches += isomorphic(*copy, other.table, moved) ? 1 : 0;
        EXPECT_EQ(matches, 1) << r;
    }
}

// Rings of each order: all of them, those with a one, the commutative ones.
TEST(Rings, TotalsForEachOrder) {
    const int all[] = {1, 2, 2, 11, 2, 4, 2, 52, 11, 4, 2, 22, 2, 4, 4};
    const int withOne[] = {1, 1, 1, 4, 1, 1, 1, 11, 4, 1, 1, 4, 1, 1, 1};
    const int commutative[] = {1, 2, 2, 9, 2, 4, 2, 34, 9, 4, 2, 18, 2, 4, 4};
    for (int n = 1; n <= 15; ++n) {
        int total = 0, one = 0, abelian = 0;
        for (const auto& g : AbelianGroupsOfOrder(n)) {
            Progress progress;
            const auto list = FindAssociativeRings(*g, progress);
            total += static_cast<int>(list.rings.size());
            one += list.WithOne();
            abelian += list.Commutative();
        }
        EXPECT_EQ(total, all[n - 1]) << "order " << n;
        EXPECT_EQ(one, withOne[n - 1]) << "order " << n;
        EXPECT_EQ(abelian, commutative[n - 1]) << "order " << n;
    }
}

}  // namespace
}  // namespace quorix
