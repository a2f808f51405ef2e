// The optimizing rules in force, the subgroup blocks and the row-2 bound.

#include <gtest/gtest.h>

#include "core/search/cayley_search.h"
#include "search_test_util.h"

namespace quorix {
namespace {

struct BlockCase {
    int n;
    std::vector<std::array<int, 3>> blocks;  // first, last, order
    std::vector<int> successor;              // rowTwoSuccessor(2..n)
};

class SubgroupBlocks : public ::testing::TestWithParam<BlockCase> {};

TEST_P(SubgroupBlocks, BlocksAndRowTwoBound) {
    const BlockCase& c = GetParam();
    CayleySearch s;
    s.setSearchOrder(c.n);
    ASSERT_TRUE(s.ruleActive(3));
    EXPECT_FALSE(s.ruleActive(1));
    ASSERT_EQ(s.blockCount(), static_cast<int>(c.blocks.size()));
    for (int k = 1; k <= s.blockCount(); ++k) {
        const auto& b = c.blocks[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(s.block(k).first, b[0]) << "block " << k;
        EXPECT_EQ(s.block(k).last, b[1]) << "block " << k;
        EXPECT_EQ(s.block(k).order, b[2]) << "block " << k;
    }
    EXPECT_EQ(s.rowTwoSuccessor(1), 2);
    for (int j = 2; j <= c.n; ++j) EXPECT_EQ(s.rowTwoSuccessor(j), c.successor[static_cast<std::size_t>(j - 2)]) << "j = " << j;
}

INSTANTIATE_TEST_SUITE_P(
    Orders, SubgroupBlocks,
    ::testing::Values(BlockCase{4, {{2, 2, 2}}, {2, 4, 4}},
                      BlockCase{6, {{2, 3, 3}, {4, 4, 2}}, {3, 3, 5, 6, 6}},
                      BlockCase{8, {{2, 2, 2}, {2, 4, 4}}, {2, 4, 4, 6, 7, 8, 8}},
                      BlockCase{9, {{2, 3, 3}}, {3, 3, 5, 6, 7, 8, 9, 9}},
                      BlockCase{12, {{2, 2, 2}, {2, 4, 4}, {5, 6, 3}}, {2, 4, 4, 7, 8, 9, 10, 11, 12, 12, 12}},
                      BlockCase{16, {{2, 2, 2}, {2, 4, 4}, {2, 8, 8}}, {2, 4, 4, 6, 7, 8, 8, 10, 11, 12, 13, 14, 15, 16, 16}}),
    [](const auto& info) { return "n" + std::to_string(info.param.n); });

TEST(RulesInForce, DependOnOrderAndMode) {
    CayleySearch s;
    s.setSearchOrder(7);  // prime: no rule 1, 3 or 4; plain row-2 bound
    EXPECT_FALSE(s.ruleActive(1) || s.ruleActive(3) || s.ruleActive(4));
    for (int j = 2; j < 7; ++j) EXPECT_EQ(s.rowTwoSuccessor(j), j + 1);
    EXPECT_EQ(s.rowTwoSuccessor(7), 7);

    s.setSearchOrder(2);  // 2 = 2 * 1 and 1 counts as prime
    EXPECT_TRUE(s.ruleActive(1) && s.ruleActive(4));

    s.setManualEntry(true);
    s.setSearchOrder(12);
    EXPECT_FALSE(s.ruleActive(3));
    EXPECT_TRUE(s.ruleActive(1));  // back in force once rule 3 is not
}

class RuleFour : public ::testing::TestWithParam<int> {};

TEST_P(RuleFour, EndsTheSearchAfterTheSecondSolution) {
    const int n = GetParam();
    CayleySearch s;
    s.setSearchOrder(n);
    ASSERT_TRUE(s.ruleActive(4));
    for (int k = 1; k <= 2; ++k) {
        ASSERT_EQ(testing::getNextSolution(s), testing::RunResult::SolutionStored);
        s.noteSolutionRules();
    }
    EXPECT_TRUE(s.solution(1)->Cyclic());
    EXPECT_TRUE(s.solution(2)->Dihedral());
    EXPECT_TRUE(s.allSolutionsFound());
    const long long trials = s.stats().trials;
    EXPECT_EQ(testing::getNextSolution(s), testing::RunResult::Exhausted);
    EXPECT_FALSE(s.stepReady());
    EXPECT_EQ(s.stats().trials, trials);

    // Without the rule the search runs to its end and finds nothing more.
    CayleySearch t;
    t.setRuleEnabled(4, false);
    t.setSearchOrder(n);
    while (testing::getNextSolution(t) == testing::RunResult::SolutionStored) t.noteSolutionRules();
    EXPECT_EQ(t.solutionCount(), 2);
    EXPECT_GT(t.stats().trials, trials);
}

INSTANTIATE_TEST_SUITE_P(TwiceAPrime, RuleFour, ::testing::Values(6, 10, 14));

TEST(RuleOne, RejectsTheSecondValueOfTheFirstCell) {
    CayleySearch s;
    s.setSearchOrder(2);
    ASSERT_EQ(testing::getNextSolution(s), testing::RunResult::SolutionStored);
    EXPECT_EQ(s.trialText(2, 2), "1");
    s.noteSolutionRules();
    // Next value "a" at (2,2) is refused before any fill.
    const long long fills = s.stats().fills;
    EXPECT_EQ(testing::getNextSolution(s), testing::RunResult::Exhausted);
    EXPECT_EQ(s.stats().trials, 2);
    EXPECT_EQ(s.stats().fills, fills);

    // With rule 1 off "a" duplicates row 2 and the carry out of (2,2) ends it.
    CayleySearch t;
    t.setRuleEnabled(1, false);
    t.setSearchOrder(2);
    ASSERT_EQ(testing::getNextSolution(t), testing::RunResult::SolutionStored);
    t.noteSolutionRules();
    EXPECT_EQ(testing::getNextSolution(t), testing::RunResult::Exhausted);
    EXPECT_EQ(t.stats().trials, 2);
    EXPECT_EQ(t.stats().fills, 2);
    EXPECT_FALSE(t.advanceOk());
    EXPECT_EQ(t.solutionCount(), 1);
}

}  // namespace
}  // namespace quorix
