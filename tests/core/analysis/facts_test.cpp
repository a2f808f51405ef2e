// Well-known structure of small groups, through the shared subgroup list and
// the one-pass summary.

#include <gtest/gtest.h>

#include <numeric>

#include "core/analysis/conjugacy_classes.h"
#include "core/analysis/facts.h"
#include "core/analysis/subgroups.h"
#include "support/groups.h"

namespace quorix::testing {
namespace {

using Pairs = std::vector<std::pair<int, int>>;

// Textbook structure of the small non-abelian groups.
struct Known {
    const char* label;
    GroupPtr (*make)();
    int subgroups, normal, subgroupClasses, centre, commutator;
    bool solvable;
    std::vector<int> compositionFactors, classSizes;
};

const Known kKnown[] = {
    {"S3", [] { return spec("S3"); }, 6, 3, 4, 1, 3, true, {2, 3}, {1, 2, 3}},
    {"S4", [] { return spec("S4"); }, 30, 4, 11, 1, 12, true, {2, 2, 2, 3}, {1, 3, 6, 6, 8}},
    {"A4", [] { return spec("A4"); }, 10, 3, 5, 1, 4, true, {2, 2, 3}, {1, 3, 4, 4}},
    {"A5", [] { return spec("A5"); }, 59, 2, 9, 1, 60, false, {60}, {1, 12, 12, 15, 20}},
    {"S5", [] { return spec("S5"); }, 156, 3, 19, 1, 60, false, {2, 60}, {1, 10, 15, 20, 20, 24, 30}},
    {"D8", [] { return dihedral(4); }, 10, 6, 8, 2, 2, true, {2, 2, 2}, {1, 1, 2, 2, 2}},
    {"Q8", [] { return quaternion(); }, 6, 6, 6, 2, 2, true, {2, 2, 2}, {1, 1, 2, 2, 2}},
    {"SL(2,3)", [] { return specialLinear23(); }, 15, 4, 7, 2, 8, true, {2, 2, 2, 3}, {1, 1, 4, 4, 4, 4, 6}},
};

TEST(KnownGroups, SubgroupsClassesSeriesCentreAndCommutator) {
    for (const Known& k : kKnown) {
        SCOPED_TRACE(k.label);
        const GroupFacts f = ComputeGroupFacts(k.make());
        EXPECT_EQ(f.subgroups, k.subgroups);
        EXPECT_EQ(f.normal, k.normal);
        EXPECT_EQ(f.subgroupClasses, k.subgroupClasses);
        EXPECT_EQ(f.center, k.centre);
        EXPECT_EQ(f.commutator, k.commutator);
        EXPECT_EQ(f.solvable, k.solvable);
        EXPECT_EQ(f.compositionFactors, k.compositionFactors);
        EXPECT_EQ(f.classSizes, k.classSizes);
        EXPECT_EQ(f.classes, static_cast<int>(k.classSizes.size()));
    }
}

TEST(KnownGroups, OrdersOfSubgroupsAndElementsAndTheFamilyFlags) {
    const GroupFacts s3 = ComputeGroupFacts(spec("S3"));
    EXPECT_EQ(s3.subgroupClassSizes, (std::vector<int>{1, 1, 1, 3}));
    EXPECT_TRUE(s3.dihedral);
    EXPECT_EQ(ComputeGroupFacts(spec("S4")).subgroupOrders,
              (Pairs{{1, 1}, {2, 9}, {3, 4}, {4, 7}, {6, 4}, {8, 3}, {12, 1}, {24, 1}}));
    for (auto [order, count] : ComputeGroupFacts(spec("A4")).subgroupOrders) EXPECT_NE(order, 6);
    const GroupFacts q8 = ComputeGroupFacts(quaternion());
    EXPECT_FALSE(q8.dihedral);
    EXPECT_FALSE(q8.abelian);
    EXPECT_EQ(q8.elementOrders, (Pairs{{1, 1}, {2, 1}, {4, 6}}));
}

TEST(KnownGroups, CyclicGroupsHaveOneSubgroupPerDivisor) {
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

TEST(KnownGroups, KleinFourGroupAndElementaryAbelianGroups) {
    GroupFacts v = ComputeGroupFacts(spec("Z2xZ2"));
    EXPECT_TRUE(v.kleinFour);
    EXPECT_EQ(v.subgroups, 5);
    // Subspaces of F2^6: 1 + 63 + 651 + 1395 + 651 + 63 + 1.
    GroupFacts e = ComputeGroupFacts(spec("Z2xZ2xZ2xZ2xZ2xZ2"));
    EXPECT_EQ(e.subgroups, 2825);
    EXPECT_EQ(e.subgroupClasses, 2825);
    EXPECT_FALSE(ComputeGroupFacts(spec("Z4")).kleinFour);
}

// Past 120 elements: subgroups and their classes of the simple and symmetric
// groups a course meets next, with their element classes and series.
TEST(KnownGroups, SymmetricAlternatingAndLinearGroupsPast120) {
    struct Large {
        const char* spec;
        int subgroups, normal, subgroupClasses, classes, commutator;
        std::vector<int> compositionFactors;
    };
    for (const Large& k : {Large{"PSL(2,7)", 179, 2, 15, 6, 168, {168}}, Large{"A6", 501, 2, 22, 7, 360, {360}},
                           Large{"S6", 1455, 3, 56, 11, 360, {2, 360}}, Large{"A7", 3786, 2, 40, 9, 2520, {2520}},
                           Large{"S7", 11300, 3, 96, 15, 2520, {2, 2520}}}) {
        SCOPED_TRACE(k.spec);
        if (!kFullSizeGroups && k.subgroups > 2000) continue;
        const GroupFacts f = ComputeGroupFacts(spec(k.spec));
        EXPECT_EQ(f.subgroups, k.subgroups);
        EXPECT_EQ(f.normal, k.normal);
        EXPECT_EQ(f.subgroupClasses, k.subgroupClasses);
        EXPECT_EQ(f.classes, k.classes);
        EXPECT_EQ(f.center, 1);
        EXPECT_EQ(f.commutator, k.commutator);
        EXPECT_EQ(f.compositionFactors, k.compositionFactors);
        EXPECT_FALSE(f.solvable);
        int total = 0;
        for (auto [order, count] : f.subgroupOrders) total += count;
        EXPECT_EQ(total, k.subgroups);
    }
}

}  // namespace
}  // namespace quorix::testing
