// The optimizing rules in force, the subgroup blocks and the row-2 bound.

#include <gtest/gtest.h>

#include "core/search/cayley_search.h"
#include "search_test_util.h"

namespace quorix {
namespace {

struct BlockCase {
    int n;
    std::vector<std::array<int, 3>> blocks;  // first, last, order
    std::vector<int> successor;              // RowTwoSuccessor(2..n)
};

class SubgroupBlocks : public ::testing::TestWithParam<BlockCase> {};

TEST_P(SubgroupBlocks, BlocksAndRowTwoBound) {
    const BlockCase& c = GetParam();
    CayleySearch s;
    s.SetSearchOrder(c.n);
    ASSERT_TRUE(s.RuleActive(3));
    EXPECT_FALSE(s.RuleActive(1));
    ASSERT_EQ(s.BlockCount(), static_cast<int>(c.blocks.size()));
    for (int k = 1; k <= s.BlockCount(); ++k) {
        const auto& b = c.blocks[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(s.Block(k).first, b[0]) << "block " << k;
        EXPECT_EQ(s.Block(k).last, b[1]) << "block " << k;
        EXPECT_EQ(s.Block(k).order, b[2]) << "block " << k;
    }
    EXPECT_EQ(s.RowTwoSuccessor(1), 2);
    for (int j = 2; j <= c.n; ++j)
        EXPECT_EQ(s.RowTwoSuccessor(j), c.successor[static_cast<std::size_t>(j - 2)]) << "j = " << j;
}

INSTANTIATE_TEST_SUITE_P(
    Orders, SubgroupBlocks,
    ::testing::Values(
        BlockCase{4, {{2, 2, 2}}, {2, 4, 4}}, BlockCase{6, {{2, 3, 3}, {4, 4, 2}}, {3, 3, 5, 6, 6}},
        BlockCase{8, {{2, 2, 2}, {2, 4, 4}}, {2, 4, 4, 6, 7, 8, 8}},
        BlockCase{9, {{2, 3, 3}}, {3, 3, 5, 6, 7, 8, 9, 9}},
        BlockCase{12, {{2, 2, 2}, {2, 4, 4}, {5, 6, 3}}, {2, 4, 4, 7, 8, 9, 10, 11, 12, 12, 12}},
        BlockCase{16, {{2, 2, 2}, {2, 4, 4}, {2, 8, 8}}, {2, 4, 4, 6, 7, 8, 8, 10, 11, 12, 13, 14, 15, 16, 16}}),
    [](const auto& info) { return "n" + std::to_string(info.param.n); });

TEST(RulesInForce, DependOnOrderAndMode) {
    CayleySearch s;
    s.SetSearchOrder(7);  // prime: no rule 1, 3 or 4; plain row-2 bound
    EXPECT_FALSE(s.RuleActive(1) || s.RuleActive(3) || s.RuleActive(4));
    for (int j = 2; j < 7; ++j) EXPECT_EQ(s.RowTwoSuccessor(j), j + 1);
    EXPECT_EQ(s.RowTwoSuccessor(7), 7);

    s.SetSearchOrder(2);  // 2 = 2 * 1 and 1 counts as prime
    EXPECT_TRUE(s.RuleActive(1) && s.RuleActive(4));

    s.SetManualEntry(true);
    s.SetSearchOrder(12);
    EXPECT_FALSE(s.RuleActive(3));
    EXPECT_TRUE(s.RuleActive(1));  // back in force once rule 3 is not
}

class RuleFour : public ::testing::TestWithParam<int> {};

TEST_P(RuleFour, EndsTheSearchAfterTheSecondSolution) {
    const int n = GetParam();
    CayleySearch s;
    s.SetSearchOrder(n);
    ASSERT_TRUE(s.RuleActive(4));
    for (int k = 1; k <= 2; ++k) {
        ASSERT_EQ(testing::getNextSolution(s), testing::RunResult::SolutionStored);
        s.NoteSolutionRules();
    }
    EXPECT_TRUE(s.Solution(1)->Cyclic());
    EXPECT_TRUE(s.Solution(2)->Dihedral());
    EXPECT_TRUE(s.AllSolutionsFound());
    const long long trials = s.Stats().trials;
    EXPECT_EQ(testing::getNextSolution(s), testing::RunResult::Exhausted);
    EXPECT_FALSE(s.StepReady());
    EXPECT_EQ(s.Stats().trials, trials);

    // Without the rule the search runs to its end and finds nothing more.
    CayleySearch t;
    t.SetRuleEnabled(4, false);
    t.SetSearchOrder(n);
    while (testing::getNextSolution(t) == testing::RunResult::SolutionStored) t.NoteSolutionRules();
    EXPECT_EQ(t.SolutionCount(), 2);
    EXPECT_GT(t.Stats().trials, trials);
}

INSTANTIATE_TEST_SUITE_P(TwiceAPrime, RuleFour, ::testing::Values(6, 10, 14));

TEST(RuleOne, RejectsTheSecondValueOfTheFirstCell) {
    CayleySearch s;
    s.SetSearchOrder(2);
    ASSERT_EQ(testing::getNextSolution(s), testing::RunResult::SolutionStored);
    EXPECT_EQ(s.TrialText(2, 2), "1");
    s.NoteSolutionRules();
    // Next value "a" at (2,2) is refused before any fill.
    const long long fills = s.Stats().fills;
    EXPECT_EQ(testing::getNextSolution(s), testing::RunResult::Exhausted);
    EXPECT_EQ(s.Stats().trials, 2);
    EXPECT_EQ(s.Stats().fills, fills);

    // With rule 1 off "a" duplicates row 2 and the carry out of (2,2) ends it.
    CayleySearch t;
    t.SetRuleEnabled(1, false);
    t.SetSearchOrder(2);
    ASSERT_EQ(testing::getNextSolution(t), testing::RunResult::SolutionStored);
    t.NoteSolutionRules();
    EXPECT_EQ(testing::getNextSolution(t), testing::RunResult::Exhausted);
    EXPECT_EQ(t.Stats().trials, 2);
    EXPECT_EQ(t.Stats().fills, 2);
    EXPECT_FALSE(t.AdvanceOk());
    EXPECT_EQ(t.SolutionCount(), 1);
}

}  // namespace
}  // namespace quorix
