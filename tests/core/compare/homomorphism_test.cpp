#include <gtest/gtest.h>

#include "core/compare/homomorphism.h"
#include "literal_homomorphism.h"
#include "support/fake_host.h"
#include "table_groups.h"

namespace quorix {
namespace {

using testing::LiteralHomomorphismSearch;
using testing::SmallGroups;

std::vector<std::vector<int>> AllFast(const MultiplicationTable& a, const MultiplicationTable& b, std::size_t limit = 100000) {
    HomomorphismSearch s;
    s.Start(a, b);
    std::vector<std::vector<int>> out;
    while (out.size() < limit && s.Next()) out.push_back(s.Mapping());
    return out;
}

// Every pair of small groups: the same onto homomorphisms in the same order
// as the step-by-step search. The pairs with equal orders include every
// automorphism of every group.
TEST(HomomorphismSearch, MatchesLiteralSearchOnAllSmallPairs) {
    auto groups = SmallGroups();
    long pairs = 0, mappings = 0;
    for (const auto& a : groups)
        for (const auto& b : groups) {
            if (b.table.n > a.table.n) continue;
            LiteralHomomorphismSearch literal(a.table, b.table);
            auto expected = literal.All();
            auto got = AllFast(a.table, b.table);
            ASSERT_EQ(got, expected) << a.name << " -> " << b.name;
            ++pairs;
            mappings += static_cast<long>(got.size());
        }
    EXPECT_GT(pairs, 300);
    EXPECT_GT(mappings, 700);
}

TEST(HomomorphismSearch, KnownCountsAndFirstMappings) {
    using namespace testing;
    // Every group maps onto the trivial group, exactly once.
    auto toTrivial = AllFast(Dihedral(6), Cyclic(1));
    ASSERT_EQ(toTrivial.size(), 1u);
    EXPECT_EQ(MappingText(toTrivial[0]), "1 1 1 1 1 1 1 1 1 1 1 1");
    // Z6 has no quotient of order 4; 4 does not divide 6.
    EXPECT_TRUE(AllFast(Cyclic(6), Cyclic(4)).empty());
    // S4 onto S3: one kernel (the Klein group), times |Aut(S3)| = 6.
    EXPECT_EQ(AllFast(Symmetric(4), Symmetric(3)).size(), 6u);
    // Automorphism counts.
    EXPECT_EQ(AllFast(Quaternion(), Quaternion()).size(), 24u);
    EXPECT_EQ(AllFast(Alternating4(), Alternating4()).size(), 24u);
    auto c2cubed = Product(Product(Cyclic(2), Cyclic(2)), Cyclic(2));
    EXPECT_EQ(AllFast(c2cubed, c2cubed).size(), 168u);
    // The first automorphism is the identity.
    auto autD4 = AllFast(Dihedral(4), Dihedral(4));
    ASSERT_EQ(autD4.size(), 8u);
    EXPECT_EQ(MappingText(autD4[0]), "1 2 3 4 5 6 7 8");
    // Not isomorphic: same order, no mapping.
    EXPECT_TRUE(AllFast(Quaternion(), Dihedral(4)).empty());
    EXPECT_TRUE(AllFast(Cyclic(4), Product(Cyclic(2), Cyclic(2))).empty());
}

TEST(HomomorphismSearch, LargerGroupsAgainstRelabelledCopies) {
    using namespace testing;
    auto s5 = Symmetric(5);
    auto t = Relabel(s5, 42);
    auto first = AllFast(s5, t, 1);
    ASSERT_EQ(first.size(), 1u);
    // The mapping is a bijective homomorphism.
    std::vector<int> img = first[0];
    std::vector<char> seen(121, 0);
    for (int x : img) seen[static_cast<std::size_t>(x)] = 1;
    for (int x = 1; x <= 120; ++x) ASSERT_TRUE(seen[static_cast<std::size_t>(x)]);
    for (int a = 1; a <= 120; ++a)
        for (int b = 1; b <= 120; ++b)
            ASSERT_EQ(img[static_cast<std::size_t>(s5.product(a, b) - 1)],
                      t.product(img[static_cast<std::size_t>(a - 1)], img[static_cast<std::size_t>(b - 1)]));
    // S5 has 120 automorphisms, all found by resuming.
    EXPECT_EQ(AllFast(s5, s5).size(), 120u);
    // S5 has exactly one quotient of order 2: 1 onto homomorphism to Z2.
    EXPECT_EQ(AllFast(s5, Cyclic(2)).size(), 1u);
    EXPECT_TRUE(AllFast(s5, Cyclic(3)).empty());
}

TEST(HomomorphismSearch, ResumeAfterTheLastAndRestart) {
    using namespace testing;
    HomomorphismSearch s;
    s.Start(Cyclic(5), Cyclic(5));
    std::vector<std::string> texts;
    while (s.Next()) texts.push_back(MappingText(s.Mapping()));
    EXPECT_EQ(texts, (std::vector<std::string>{"1 2 3 4 5", "1 3 5 2 4", "1 4 2 5 3", "1 5 4 3 2"}));
    EXPECT_TRUE(s.Exhausted());
    EXPECT_FALSE(s.Next());
    s.Start(Cyclic(5), Cyclic(5));
    ASSERT_TRUE(s.Next());
    EXPECT_EQ(MappingText(s.Mapping()), "1 2 3 4 5");
}

TEST(HomomorphismSearch, HaltStopsTheSearchAndLeavesTheFlag) {
    using namespace testing;
    quorix::testing::FakeHost fake;
    fake.halt = true;
    HomomorphismSearch s;
    s.Start(Cyclic(4), Cyclic(4));
    EXPECT_FALSE(s.Next());
    EXPECT_TRUE(fake.halt);
}

TEST(MappingText, RoundTripAndMalformed) {
    EXPECT_EQ(MappingText({1, 3, 2, 4}), "1 3 2 4");
    EXPECT_EQ(ParseMappingText("1 3 2 10"), (std::vector<int>{1, 3, 2, 10}));
    EXPECT_TRUE(ParseMappingText("1 x 2").empty());
    EXPECT_EQ(MappingText({}), "");
}

}  // namespace
}  // namespace quorix
