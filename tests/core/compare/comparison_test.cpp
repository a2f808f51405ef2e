#include <gtest/gtest.h>

#include <map>

#include "core/compare/comparison.h"
#include "core/compare/homomorphism.h"
#include "core/compare/structure.h"
#include "core/text/markup.h"
#include "support/test_progress.h"
#include "support/groups.h"

namespace quorix {
namespace {

using testing::spec;

struct CompareFixture : ::testing::Test {
    std::map<std::string, GroupPtr> registered;
    SubgroupLogic subgroups;
    EngineStructure analysis{subgroups};
    SharedHomomorphism shared;
    testing::TestProgress progress;
    GroupRegistrar registrar{[this](const GroupPtr& g, const std::string& n) { registered[n] = g; }, nullptr};
};

TEST_F(CompareFixture, EqualOrders) {
    auto s3 = spec("S3"), d3 = testing::dihedral(3);
    auto r = CompareGroups(s3, d3, analysis, shared, registrar, progress);
    EXPECT_TRUE(r.equalOrders);
    EXPECT_TRUE(r.isomorphic);
    ASSERT_EQ(r.isomorphism.size(), 6u);
    // The mapping is a homomorphism from S3 to the dihedral group.
    for (int x = 1; x <= 6; ++x)
        for (int y = 1; y <= 6; ++y)
            EXPECT_EQ(r.isomorphism[static_cast<std::size_t>(s3->srcMul(x, y) - 1)],
                      d3->srcMul(r.isomorphism[static_cast<std::size_t>(x - 1)],
                                 r.isomorphism[static_cast<std::size_t>(y - 1)]));
    EXPECT_EQ(r.lines.back(), "|%b|S|@3||/b| is isomorphically equivalent to |%b|" + d3->GroupID() + "|/b|.");

    auto big = CompareGroups(spec("S4"), spec("Z2xA4"), analysis, shared, registrar, progress);
    EXPECT_FALSE(big.isomorphic);
    EXPECT_EQ(big.lines.back(), "The two groups are not isomorphically equivalent.");
    EXPECT_TRUE(registered.empty());
}

TEST_F(CompareFixture, DifferentOrdersListTheIsomorphicSubgroups) {
    auto s3 = spec("S3"), s4 = spec("S4");
    auto r = CompareGroups(s3, s4, analysis, shared, registrar, progress);  // smaller one first
    EXPECT_EQ(r.sourceSlot, 2);
    EXPECT_EQ(r.source, s4);
    EXPECT_TRUE(r.homomorphism);
    EXPECT_EQ(ParseMappingText(r.homomorphismText).size(), 24u);
    EXPECT_EQ(r.lines[2], "There exists at least one homomorphism from |%b|S|@4||/b| onto |%b|S|@3||/b|.");
    EXPECT_EQ(r.listing.Found(), 4);
    EXPECT_EQ(r.listing.isomorphic[0].name, "Subgroup6-1(S|@4|)");
    EXPECT_EQ(r.listing.isomorphic[3].name, "Subgroup6-4(S|@4|)");
    EXPECT_EQ(r.listing.names.size(), 30u);
    EXPECT_EQ(registered.size(), 30u);
    EXPECT_EQ(markup::StripMarkup(r.lines[3]), "S3 is isomorphically equivalent to the following subgroups of S4:");

    auto none = CompareGroups(spec("Z6"), spec("Z4"), analysis, shared, registrar, progress);
    EXPECT_FALSE(none.homomorphism);
    EXPECT_EQ(none.lines[2], "There does not exist any homomorphism from |%b|Z|@6||/b| onto |%b|Z|@4||/b|.");
    EXPECT_EQ(none.lines.back(), "No isomorphisms to subgroups of |%b|Z|@6||/b| were found.");
}

TEST_F(CompareFixture, TrivialTargetAndTheDisplayLimit) {
    auto trivial = spec("Z1"), d6 = testing::dihedral(6);
    auto r = CompareGroups(d6, trivial, analysis, shared, registrar, progress);
    EXPECT_TRUE(r.homomorphism);
    EXPECT_EQ(r.homomorphismText, "1 1 1 1 1 1 1 1 1 1 1 1");
    ASSERT_EQ(r.listing.Found(), 1);
    EXPECT_EQ(r.listing.isomorphic[0].name, "Subgroup1-1(" + d6->GroupID() + ")");

    auto e16 = spec("Z2xZ2xZ2xZ2");
    auto many = CompareGroups(spec("Z2"), e16, analysis, shared, registrar, progress);
    EXPECT_EQ(many.listing.Found(), 15);
    EXPECT_TRUE(many.listing.LimitReached());
    int shown = 0, limitLines = 0;
    for (const auto& l : many.lines) {
        if (l.rfind("|%b|Subgroup2-", 0) == 0) ++shown;
        if (l == "(limit of 10 isomorphisms displayed)") ++limitLines;
    }
    EXPECT_EQ(shown, 10);
    EXPECT_EQ(limitLines, 1);
    EXPECT_TRUE(registered.count("Subgroup2-15(" + e16->GroupID() + ")"));
}

TEST_F(CompareFixture, LargeSubgroupsCarryTheMappingInTheirTag) {
    auto a4z2 = spec("Z2xA4"), s4 = spec("S4");
    SubgroupListResult list;
    list.subgroups.push_back(s4);  // stands in for a listed subgroup above order 20
    auto l = ListIsomorphicSubgroups(a4z2, spec("S4"), list, registrar, shared, progress);
    ASSERT_EQ(l.Found(), 1);
    EXPECT_EQ(l.isomorphic[0].tag.substr(0, l.isomorphic[0].name.size() + 2), l.isomorphic[0].name + "!!");
    EXPECT_EQ(ParseMappingText(l.isomorphic[0].tag.substr(l.isomorphic[0].name.size() + 2)).size(), 24u);
}

TEST_F(CompareFixture, HaltIsReported) {
    progress.RequestStop();
    auto r = CompareGroups(spec("S4"), spec("Z2"), analysis, shared, registrar, progress);
    EXPECT_TRUE(r.halted);
}

}  // namespace
}  // namespace quorix
