// Tables organised by cosets: blocks of left and right cosets, and the
// quotient table the blocks form for a normal subgroup.

#include <gtest/gtest.h>

#include <set>

#include "core/analysis/coset_order.h"
#include "core/analysis/subgroups.h"
#include "support/groups.h"
#include "support/test_progress.h"

namespace quorix::testing {
namespace {

// The memberships of g's subgroups of order `order`, normal or not.
ElementSet FindSubgroup(const GroupPtr& g, int order, bool normal) {
    TestProgress progress;
    SubgroupLogic logic;
    logic.FindAllSubgroups(g, progress);
    for (int s = 1; s <= logic.SubgroupCount(); ++s)
        if (logic.Subgroup(s)->order() == order && logic.IsNormal(s) == normal)
            return logic.Memberships()[static_cast<std::size_t>(s - 1)];
    ADD_FAILURE() << "no such subgroup";
    return {};
}

std::set<int> Block(const std::vector<int>& order, int block, int size) {
    return {order.begin() + block * size, order.begin() + (block + 1) * size};
}

TEST(CosetOrder, NormalKleinSubgroupOfS4GivesTheTableOfS3) {
    const GroupPtr g = spec("S4");
    const ElementSet v = FindSubgroup(g, 4, true);
    const CosetOrder c = OrderByCosets(*g, v);
    ASSERT_EQ(c.blockSize, 4);
    ASSERT_EQ(c.BlockCount(), 6);
    EXPECT_EQ(c.rows.front(), 1);
    EXPECT_EQ(std::set<int>(c.rows.begin(), c.rows.end()).size(), 24u);
    for (int b = 0; b < 6; ++b) {
        EXPECT_EQ(Block(c.rows, b, 4), Block(c.columns, b, 4)) << "left and right cosets agree";
        const int rep = c.rows[static_cast<std::size_t>(b) * 4];
        for (int x : Block(c.rows, b, 4)) EXPECT_TRUE(v.test(static_cast<std::size_t>(g->mul(g->inv(rep), x))));
    }
    ASSERT_TRUE(c.blocksFormTable);
    // A Latin square with block 0 as identity that does not commute: S3.
    bool commutes = true;
    for (int i = 0; i < 6; ++i) {
        std::set<int> row, col;
        for (int j = 0; j < 6; ++j) {
            row.insert(c.blockTable[i][j]);
            col.insert(c.blockTable[j][i]);
            commutes = commutes && c.blockTable[i][j] == c.blockTable[j][i];
        }
        EXPECT_EQ(row.size(), 6u);
        EXPECT_EQ(col.size(), 6u);
        EXPECT_EQ(c.blockTable[0][i], i);
    }
    EXPECT_FALSE(commutes);
}

TEST(CosetOrder, NonNormalSubgroupHasDifferentLeftAndRightCosets) {
    const GroupPtr g = spec("S4");
    const ElementSet h = FindSubgroup(g, 2, false);
    const CosetOrder c = OrderByCosets(*g, h);
    EXPECT_EQ(c.BlockCount(), 12);
    bool differ = false;
    for (int b = 0; b < 12; ++b) differ = differ || Block(c.rows, b, 2) != Block(c.columns, b, 2);
    EXPECT_TRUE(differ);
    EXPECT_FALSE(c.blocksFormTable);
    EXPECT_TRUE(c.blockTable.empty());
}

TEST(CosetOrder, RefusesWhatIsNoSubgroup) {
    const GroupPtr g = spec("S3");
    ElementSet notClosed;
    notClosed.set(1).set(2);
    if (g->mul(2, 2) != 1) {
        EXPECT_THROW(OrderByCosets(*g, notClosed), InvalidArgument);
    }
    ElementSet outside;
    outside.set(1).set(7);
    EXPECT_THROW(OrderByCosets(*g, outside), InvalidArgument);
    ElementSet trivial;
    trivial.set(1);
    const CosetOrder c = OrderByCosets(*g, trivial, {1, 3, 2, 4, 5, 6});
    EXPECT_EQ(c.rows, (std::vector<int>{1, 3, 2, 4, 5, 6}));
    EXPECT_TRUE(c.blocksFormTable);
}

}  // namespace
}  // namespace quorix::testing
