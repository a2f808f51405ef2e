// Well-known structure of small groups, through the shared subgroup list and
// the one-pass summary.

#include <gtest/gtest.h>

#include <numeric>

#include "core/analysis/conjugacy_classes.h"
#include "core/analysis/facts.h"
#include "core/analysis/subgroups.h"
#include "support/test_progress.h"
#include "support/groups.h"

namespace quorix::testing {
namespace {

using Pairs = std::vector<std::pair<int, int>>;

class KnownGroups : public ::testing::Test {
protected:
    TestProgress progress;
};

TEST_F(KnownGroups, SymmetricGroupOfDegreeThree) {
    GroupFacts f = ComputeGroupFacts(spec("S3"));
    EXPECT_EQ(f.subgroups, 6);
    EXPECT_EQ(f.normal, 3);
    EXPECT_EQ(f.subgroupClasses, 4);
    EXPECT_EQ(f.subgroupClassSizes, (std::vector<int>{1, 1, 1, 3}));
    EXPECT_EQ(f.classSizes, (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(f.dihedral);
    EXPECT_TRUE(f.solvable);
    EXPECT_EQ(f.compositionFactors, (std::vector<int>{2, 3}));
    EXPECT_EQ(f.center, 1);
    EXPECT_EQ(f.commutator, 3);
}

TEST_F(KnownGroups, SymmetricGroupOfDegreeFour) {
    GroupFacts f = ComputeGroupFacts(spec("S4"));
    EXPECT_EQ(f.subgroups, 30);
    EXPECT_EQ(f.subgroupClasses, 11);
    EXPECT_EQ(f.normal, 4);
    EXPECT_EQ(f.classSizes, (std::vector<int>{1, 3, 6, 6, 8}));
    EXPECT_EQ(f.subgroupOrders, (Pairs{{1, 1}, {2, 9}, {3, 4}, {4, 7}, {6, 4}, {8, 3}, {12, 1}, {24, 1}}));
    EXPECT_EQ(f.compositionFactors, (std::vector<int>{2, 2, 2, 3}));
    EXPECT_TRUE(f.solvable);
    EXPECT_EQ(f.commutator, 12);
}

TEST_F(KnownGroups, AlternatingGroupOfDegreeFourHasNoSubgroupOfOrderSix) {
    GroupFacts f = ComputeGroupFacts(spec("A4"));
    EXPECT_EQ(f.subgroups, 10);
    for (auto [order, count] : f.subgroupOrders) EXPECT_NE(order, 6);
    EXPECT_EQ(f.classSizes, (std::vector<int>{1, 3, 4, 4}));
    EXPECT_EQ(f.commutator, 4);
}

TEST_F(KnownGroups, AlternatingGroupOfDegreeFiveIsSimple) {
    GroupFacts f = ComputeGroupFacts(spec("A5"));
    EXPECT_EQ(f.subgroups, 59);
    EXPECT_EQ(f.normal, 2);
    EXPECT_FALSE(f.solvable);
    EXPECT_EQ(f.compositionFactors, (std::vector<int>{60}));
    EXPECT_EQ(f.classSizes, (std::vector<int>{1, 12, 12, 15, 20}));
    EXPECT_EQ(f.commutator, 60);
    EXPECT_EQ(f.center, 1);
}

TEST_F(KnownGroups, SymmetricGroupOfDegreeFive) {
    GroupFacts f = ComputeGroupFacts(spec("S5"));
    EXPECT_EQ(f.subgroups, 156);
    EXPECT_EQ(f.subgroupClasses, 19);
    EXPECT_EQ(f.normal, 3);
    EXPECT_EQ(f.classes, 7);
    EXPECT_FALSE(f.solvable);
    EXPECT_EQ(f.compositionFactors, (std::vector<int>{2, 60}));
}

TEST_F(KnownGroups, DihedralAndQuaternionGroupsOfOrderEight) {
    GroupFacts d8 = ComputeGroupFacts(dihedral(4));
    EXPECT_EQ(d8.subgroups, 10);
    EXPECT_EQ(d8.normal, 6);
    EXPECT_TRUE(d8.dihedral);
    EXPECT_EQ(d8.center, 2);
    GroupFacts q8 = ComputeGroupFacts(dicyclic(2));
    EXPECT_EQ(q8.subgroups, 6);
    EXPECT_EQ(q8.normal, 6);
    EXPECT_FALSE(q8.dihedral);
    EXPECT_FALSE(q8.abelian);
    EXPECT_EQ(q8.elementOrders, (Pairs{{1, 1}, {2, 1}, {4, 6}}));
    EXPECT_EQ(q8.classSizes, (std::vector<int>{1, 1, 2, 2, 2}));
}

TEST_F(KnownGroups, CyclicGroupsHaveOneSubgroupPerDivisor) {
    for (int n : {1, 2, 7, 12, 30, 64, 120}) {
        GroupFacts f = ComputeGroupFacts(spec("Z" + std::to_string(n)));
        Pairs expected;
        for (int d = 1; d <= n; ++d)
            if (n % d == 0) expected.push_back({d, 1});
        EXPECT_EQ(f.subgroupOrders, expected) << n;
        EXPECT_EQ(f.normal, f.subgroups);
        EXPECT_TRUE(f.solvable);
        EXPECT_EQ(std::accumulate(f.compositionFactors.begin(), f.compositionFactors.end(), 1, std::multiplies<>()), n);
    }
}

TEST_F(KnownGroups, KleinFourGroupAndElementaryAbelianGroups) {
    GroupFacts v = ComputeGroupFacts(spec("Z2xZ2"));
    EXPECT_TRUE(v.kleinFour);
    EXPECT_FALSE(v.dihedral);
    EXPECT_EQ(v.subgroups, 5);
    // Subspaces of F2^6: 1 + 63 + 651 + 1395 + 651 + 63 + 1.
    GroupFacts e = ComputeGroupFacts(spec("Z2xZ2xZ2xZ2xZ2xZ2"));
    EXPECT_EQ(e.subgroups, 2825);
    EXPECT_EQ(e.subgroupClasses, 2825);
    EXPECT_FALSE(ComputeGroupFacts(spec("Z4")).kleinFour);
}

TEST_F(KnownGroups, SpecialLinearGroup) {
    GroupFacts f = ComputeGroupFacts(specialLinear23());
    EXPECT_EQ(f.order, 24);
    EXPECT_EQ(f.subgroups, 15);
    EXPECT_EQ(f.center, 2);
    EXPECT_EQ(f.classSizes, (std::vector<int>{1, 1, 4, 4, 4, 4, 6}));
    EXPECT_TRUE(f.solvable);
}

}  // namespace
}  // namespace quorix::testing
