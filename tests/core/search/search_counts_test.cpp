// Whole searches: the solutions of every order, with and without isomorphic
// equivalents, the counts of the odometer, and the incremental fill against
// the full passes.

#include <gtest/gtest.h>

#include <set>

#include "core/search/cayley_search.h"
#include "search_test_util.h"
#include "support/groups.h"

namespace quorix {
namespace {

using testing::FoundSolutions;
using testing::pressUntilEnd;
using testing::Rows;

// The group axioms checked on the table itself, through the shared checker.
std::string tableAxioms(const Rows& t) {
    return testing::checkTableAxioms(static_cast<int>(t.size()), [&](int a, int b) {
        return t[static_cast<std::size_t>(a - 1)][static_cast<std::size_t>(b - 1)];
    });
}

// A loop of order 5: identity, inverses and Latin rows, but not a group. The
// checker must see it, or every count it vouches for proves nothing.
TEST(SearchCounts, TheCheckerRejectsALoopThatIsNotAssociative) {
    const Rows loop{{1, 2, 3, 4, 5}, {2, 1, 4, 5, 3}, {3, 5, 1, 2, 4}, {4, 3, 5, 1, 2}, {5, 4, 2, 3, 1}};
    EXPECT_TRUE(tableAxioms(loop).starts_with("not associative")) << tableAxioms(loop);
}

class GroupsOfOrder : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(GroupsOfOrder, DefaultSearchStoresOneGroupPerClass) {
    const auto [n, expected] = GetParam();
    CayleySearch s;
    s.SetSearchOrder(n);
    const FoundSolutions run = pressUntilEnd(s);
    ASSERT_EQ(s.SolutionCount(), expected);
    ASSERT_EQ(static_cast<int>(run.tables.size()), expected);
    for (int k = 1; k <= expected; ++k) {
        EXPECT_EQ(tableAxioms(run.tables[static_cast<std::size_t>(k - 1)]), "") << "solution " << k;
        EXPECT_EQ(run.ids[static_cast<std::size_t>(k - 1)], "Group #" + std::to_string(n) + "-" + std::to_string(k));
        EXPECT_EQ(s.SolutionIsomorph(k), 0);
        for (int j = 1; j < k; ++j) EXPECT_FALSE(s.Solution(j)->IsIsomorphic(*s.Solution(k))) << j << " ~ " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(AllOrders, GroupsOfOrder,
                         ::testing::Values(std::pair{1, 1}, std::pair{2, 1}, std::pair{3, 1}, std::pair{4, 2},
                                           std::pair{5, 1}, std::pair{6, 2}, std::pair{7, 1}, std::pair{8, 5},
                                           std::pair{9, 2}, std::pair{10, 2}, std::pair{11, 1}, std::pair{12, 5},
                                           std::pair{13, 1}, std::pair{14, 2}, std::pair{15, 1}, std::pair{16, 14},
                                           std::pair{17, 1}, std::pair{18, 5}, std::pair{19, 1}, std::pair{20, 5}),
                         [](const auto& info) { return "n" + std::to_string(info.param.first); });

class AllTables : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(AllTables, IncludingIsomorphsStoresEveryTableWithFixedIdentity) {
    const auto [n, expected] = GetParam();
    CayleySearch s;
    s.SetIncludeIsomorphs(true);
    s.SetSearchOrder(n);
    for (int r = 0; r < CayleySearch::kRuleCount; ++r) EXPECT_EQ(s.RuleActive(r), r == 0) << "rule " << r;
    const FoundSolutions run = pressUntilEnd(s);
    ASSERT_EQ(s.SolutionCount(), expected);
    std::set<Rows> distinct(run.tables.begin(), run.tables.end());
    EXPECT_EQ(static_cast<int>(distinct.size()), expected);
    for (const Rows& t : run.tables) EXPECT_EQ(tableAxioms(t), "");
    // Each table points at the first earlier solution of its class.
    for (int k = 1; k <= expected; ++k) {
        const int iso = s.SolutionIsomorph(k);
        EXPECT_EQ(run.ids[static_cast<std::size_t>(k - 1)],
                  "Group #" + std::to_string(n) + "(" + std::to_string(k) + ")");
        EXPECT_LT(iso, k);
        if (iso > 0) {
            EXPECT_EQ(s.SolutionIsomorph(iso), 0);
            EXPECT_TRUE(s.Solution(iso)->IsIsomorphic(*s.Solution(k)));
        }
        for (int j = 1; j < (iso > 0 ? iso : k); ++j) EXPECT_FALSE(s.Solution(j)->IsIsomorphic(*s.Solution(k)));
    }
}

INSTANTIATE_TEST_SUITE_P(Small, AllTables, ::testing::Values(std::pair{4, 4}, std::pair{6, 80}),
                         [](const auto& info) { return "n" + std::to_string(info.param.first); });

TEST(SearchCounts, OrderSixteenOdometer) {
    CayleySearch s;
    s.SetSearchOrder(16);
    pressUntilEnd(s);
    EXPECT_EQ(s.SolutionCount(), 14);
    EXPECT_EQ(s.Stats().trials, 1678338);
    EXPECT_EQ(s.Stats().fills, 1678338);
    EXPECT_EQ(s.Stats().completeTables, 38401);
}

// The incremental fill must reach the table and the outcome of the full
// passes on every trial of a search: the two run side by side, one step at a
// time; every contradiction outcome shows in the trials that follow.
class FillEquivalence : public ::testing::TestWithParam<int> {};

TEST_P(FillEquivalence, IncrementalFillMatchesFullPassesOnEveryTrial) {
    CayleySearch fast, literal;
    literal.SetFillEngine(CayleySearch::FillEngine::Literal);
    long long steps = 0;
    for (CayleySearch* s : {&fast, &literal}) {
        s->SetTraceMode(TraceMode::Timed);
        s->SetSearchOrder(GetParam());
    }
    while (!fast.AllSolutionsFound()) {
        fast.FindNext();
        literal.FindNext();
        ASSERT_EQ(fast.StepReady(), literal.StepReady()) << steps;
        ASSERT_EQ(fast.Stats().fills, literal.Stats().fills) << steps;
        if (!fast.StepReady()) break;
        ++steps;
        for (int i = 1; i <= GetParam(); ++i)
            for (int j = 1; j <= GetParam(); ++j) ASSERT_EQ(fast.Work(i, j), literal.Work(i, j)) << steps;
        if (!fast.Complete()) continue;
        for (CayleySearch* s : {&fast, &literal}) {
            if (s->RecordSolution().kept) s->NoteSolutionRules();
            s->PrepareContinue();
        }
    }
    EXPECT_GT(fast.Stats().fills, 100);
}

INSTANTIATE_TEST_SUITE_P(Orders, FillEquivalence, ::testing::Values(8, 9, 12));

// The same search with the full passes throughout finds the same tables in
// the same order after the same number of trials; also with rules switched
// off and with isomorphic equivalents.
struct EngineCase {
    int n;
    const char* rules;
    bool isomorphs;
};

class EngineAgreement : public ::testing::TestWithParam<EngineCase> {};

TEST_P(EngineAgreement, LiteralAndIncrementalSearchesAgree) {
    const EngineCase c = GetParam();
    auto run = [&](CayleySearch::FillEngine engine, SearchStats& stats) {
        CayleySearch s;
        s.SetFillEngine(engine);
        s.SetIncludeIsomorphs(c.isomorphs);
        for (int r = 0; r < 5; ++r) s.SetRuleEnabled(r, c.rules[r] == '1');
        s.SetSearchOrder(c.n);
        FoundSolutions result = pressUntilEnd(s);
        stats = s.Stats();
        return result.tables;
    };
    SearchStats literal, fast;
    const auto a = run(CayleySearch::FillEngine::Literal, literal);
    const auto b = run(CayleySearch::FillEngine::Automatic, fast);
    EXPECT_EQ(a, b);
    EXPECT_EQ(literal.trials, fast.trials);
    EXPECT_EQ(literal.completeTables, fast.completeTables);
}

INSTANTIATE_TEST_SUITE_P(Cases, EngineAgreement,
                         ::testing::Values(EngineCase{6, "11111", false}, EngineCase{8, "00000", false},
                                           EngineCase{8, "10011", false}, EngineCase{9, "01101", false},
                                           EngineCase{10, "11111", false}, EngineCase{12, "11101", false},
                                           EngineCase{15, "11111", false}, EngineCase{6, "11111", true},
                                           EngineCase{7, "00100", false}));

}  // namespace
}  // namespace quorix
