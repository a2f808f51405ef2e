#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "core/compare/homomorphism.h"
#include "literal_homomorphism.h"
#include "support/test_progress.h"
#include "support/groups.h"

namespace quorix {
namespace {

using testing::spec;

MultiplicationTable T(const GroupPtr& g) { return MultiplicationTable::FromGroup(*g); }

std::vector<std::vector<int>> AllFast(const MultiplicationTable& a, const MultiplicationTable& b,
                                      std::size_t limit = 100000) {
    HomomorphismSearch s;
    s.Start(a, b);
    std::vector<std::vector<int>> out;
    while (out.size() < limit && s.Next()) out.push_back(s.Mapping());
    return out;
}

// The same table with its non-identity elements renumbered.
MultiplicationTable Relabel(const MultiplicationTable& t, unsigned seed) {
    std::vector<int> newOf(static_cast<std::size_t>(t.n + 1));
    for (int i = 0; i <= t.n; ++i) newOf[static_cast<std::size_t>(i)] = i;
    std::mt19937 rng(seed);
    std::shuffle(newOf.begin() + 2, newOf.end(), rng);
    auto at = [&](int i) { return newOf[static_cast<std::size_t>(i)]; };
    std::vector<std::vector<int>> p(static_cast<std::size_t>(t.n), std::vector<int>(static_cast<std::size_t>(t.n)));
    for (int a = 1; a <= t.n; ++a)
        for (int b = 1; b <= t.n; ++b)
            p[static_cast<std::size_t>(at(a) - 1)][static_cast<std::size_t>(at(b) - 1)] = at(t.Product(a, b));
    return MultiplicationTable::FromProducts(p);
}

// Every pair of groups of order up to 12 that the tests build (every
// generation method, plus renumbered copies): the same onto homomorphisms in
// the same order as the step-by-step search. Equal orders include every
// automorphism of every group.
TEST(HomomorphismSearch, MatchesLiteralSearchOnAllSmallPairs) {
    auto zoo = testing::zoo(12);
    std::vector<std::pair<std::string, MultiplicationTable>> tables;
    unsigned seed = 1;
    for (const auto& g : zoo) {
        tables.emplace_back(g.label, T(g.group));
        if (g.group->order() >= 6) tables.emplace_back(g.label + "~", Relabel(T(g.group), seed++));
    }
    long compared = 0, mappings = 0;
    for (const auto& [la, a] : tables)
        for (const auto& [lb, b] : tables) {
            if (b.n > a.n) continue;
            auto expected = testing::LiteralHomomorphismSearch(a, b).All();
            ASSERT_EQ(AllFast(a, b), expected) << la << " -> " << lb;
            ++compared;
            mappings += static_cast<long>(expected.size());
        }
    EXPECT_GT(compared, 1000);
    EXPECT_GT(mappings, 2000);
}

// Counts known from the groups' structure. The map onto the trivial group and
// Z6 onto Z4 are checked through the comparison, |Aut(Q8)| and |Aut(D8)|
// through the automorphism lists, which run this search.
TEST(HomomorphismSearch, KnownCounts) {
    // S4 onto S3: one kernel (the Klein group), times |Aut(S3)| = 6.
    EXPECT_EQ(AllFast(T(spec("S4")), T(spec("S3"))).size(), 6u);
    EXPECT_EQ(AllFast(T(spec("A4")), T(spec("A4"))).size(), 24u);
    EXPECT_EQ(AllFast(T(spec("Z2xZ2xZ2")), T(spec("Z2xZ2xZ2"))).size(), 168u);
    EXPECT_TRUE(AllFast(T(testing::quaternion()), T(testing::dihedral(4))).empty());
    EXPECT_TRUE(AllFast(T(spec("Z4")), T(spec("Z2xZ2"))).empty());
}

TEST(HomomorphismSearch, LargerGroupsAgainstRelabelledCopies) {
    auto s5 = T(spec("S5"));
    auto t = Relabel(s5, 42);
    auto first = AllFast(s5, t, 1);
    ASSERT_EQ(first.size(), 1u);
    const std::vector<int>& img = first[0];
    auto f = [&](int a) { return img[static_cast<std::size_t>(a - 1)]; };
    EXPECT_EQ(std::set<int>(img.begin(), img.end()).size(), 120u);
    for (int a = 1; a <= 120; ++a)
        for (int b = 1; b <= 120; ++b) ASSERT_EQ(f(s5.Product(a, b)), t.Product(f(a), f(b)));
    EXPECT_EQ(AllFast(s5, s5).size(), 120u);
    EXPECT_EQ(AllFast(s5, T(spec("Z2"))).size(), 1u);
    EXPECT_TRUE(AllFast(s5, T(spec("Z3"))).empty());
}

TEST(HomomorphismSearch, ResumeAfterTheLastAndRestartAndTheMappingTexts) {
    HomomorphismSearch s;
    s.Start(T(spec("Z5")), T(spec("Z5")));
    std::vector<std::string> texts;
    while (s.Next()) texts.push_back(MappingText(s.Mapping()));
    EXPECT_EQ(texts, (std::vector<std::string>{"1 2 3 4 5", "1 3 5 2 4", "1 4 2 5 3", "1 5 4 3 2"}));
    EXPECT_TRUE(s.Exhausted());
    EXPECT_FALSE(s.Next());
    s.Start(T(spec("Z5")), T(spec("Z5")));
    ASSERT_TRUE(s.Next());
    EXPECT_EQ(MappingText(s.Mapping()), "1 2 3 4 5");
    EXPECT_EQ(ParseMappingText("1 5 4 3 10"), (std::vector<int>{1, 5, 4, 3, 10}));
    EXPECT_TRUE(ParseMappingText("1 x 2").empty());
}

TEST(HomomorphismSearch, HaltStopsTheSearch) {
    testing::TestProgress progress;
    progress.RequestStop();
    HomomorphismSearch s;
    s.Start(T(spec("Z4")), T(spec("Z4")));
    EXPECT_FALSE(s.Next(&progress));
    EXPECT_TRUE(s.Exhausted());
}

}  // namespace
}  // namespace quorix
