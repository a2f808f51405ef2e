// Whole searches: how many solutions each order gives and that they are groups.

#include <gtest/gtest.h>

#include "core/search/cayley_search.h"
#include "support/fake_host.h"

namespace quorix {
namespace {

// Presses Get Next Solution (Trace off) until the search reports its end.
std::vector<GroupPtr> runSearch(CayleySearch& s) {
    std::vector<GroupPtr> found;
    for (;;) {
        const auto r = s.getNextSolution();
        if (r != CayleySearch::RunResult::SolutionStored) break;
        if (s.solutionCount() <= CayleySearch::kMaxSolutions) found.push_back(s.solution(s.solutionCount()));
        s.noteSolutionRules();
    }
    return found;
}

// Checks the group axioms on the table itself.
void expectGroupTable(const CayleySearch& s) {
    const int n = s.searchOrder();
    for (int i = 1; i <= n; ++i) {
        EXPECT_EQ(s.trial(1, i), i);
        EXPECT_EQ(s.trial(i, 1), i);
        bool hasInverse = false;
        for (int j = 1; j <= n; ++j) {
            ASSERT_GE(s.trial(i, j), 1);
            ASSERT_LE(s.trial(i, j), n);
            if (s.trial(i, j) == 1) hasInverse = true;
        }
        EXPECT_TRUE(hasInverse) << "row " << i;
    }
    for (int a = 1; a <= n; ++a)
        for (int b = 1; b <= n; ++b)
            for (int c = 1; c <= n; ++c)
                ASSERT_EQ(s.trial(s.trial(a, b), c), s.trial(a, s.trial(b, c))) << a << " " << b << " " << c;
}

class GroupsOfOrder : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(GroupsOfOrder, DefaultSearchStoresOneGroupPerClass) {
    testing::FakeHost host;
    const auto [n, expected] = GetParam();
    CayleySearch s;
    s.setSearchOrder(n);
    int complete = 0;
    for (;;) {
        const auto r = s.getNextSolution();
        if (r != CayleySearch::RunResult::SolutionStored) break;
        expectGroupTable(s);
        ++complete;
        s.noteSolutionRules();
    }
    EXPECT_EQ(s.solutionCount(), expected);
    EXPECT_EQ(complete, expected);
    for (int i = 1; i <= s.solutionCount(); ++i)
        for (int j = 1; j < i; ++j) EXPECT_FALSE(s.solution(j)->IsIsomorphic(*s.solution(i))) << n << ": " << j << " ~ " << i;
}

INSTANTIATE_TEST_SUITE_P(AllOrders, GroupsOfOrder,
                         ::testing::Values(std::pair{1, 1}, std::pair{2, 1}, std::pair{3, 1}, std::pair{4, 2}, std::pair{5, 1},
                                           std::pair{6, 2}, std::pair{7, 1}, std::pair{8, 5}, std::pair{9, 2}, std::pair{10, 2},
                                           std::pair{11, 1}, std::pair{12, 5}, std::pair{13, 1}, std::pair{14, 2}, std::pair{15, 1},
                                           std::pair{16, 14}, std::pair{17, 1}, std::pair{18, 5}, std::pair{19, 1}, std::pair{20, 5}),
                         [](const auto& info) { return "n" + std::to_string(info.param.first); });

}  // namespace
}  // namespace quorix
