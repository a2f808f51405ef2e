// The search step in every trace mode, as the search panel drives it: start
// values, element codes and names, trace by step, the timed modes, Halt and
// continuing after a solution.

#include <gtest/gtest.h>

#include "core/search/cayley_search.h"
#include "search_test_util.h"
#include "support/test_progress.h"

namespace quorix {
namespace {

using testing::Rows;
using testing::tableOf;

std::vector<Rows> traceOffSolutions(int n) {
    CayleySearch s;
    s.SetSearchOrder(n);
    return testing::pressUntilEnd(s).tables;
}

// The panel's loop for Trace by step and the timed modes: one FindNext per
// press or tick; a complete table is recorded, a dropped duplicate searched
// past; a kept solution is shown, then the next press continues.
std::vector<Rows> steppedSolutions(int n, TraceMode mode, long long* incompleteStops, Progress& progress) {
    CayleySearch s;
    s.SetTraceMode(mode);
    s.SetSearchOrder(n);
    std::vector<Rows> found;
    for (;;) {
        if (s.AllSolutionsFound()) break;
        s.FindNext(progress);
        if (!s.StepReady()) break;
        if (!s.Complete()) {
            ++*incompleteStops;
            continue;
        }
        const RecordResult r = s.RecordSolution();
        if (r.kept) {
            found.push_back(tableOf(s));
            s.NoteSolutionRules();
        }
        s.PrepareContinue();
    }
    return found;
}

TEST(StartValues, ResetTable) {
    CayleySearch s;
    for (int n : {1, 2, 12, 20}) {
        s.SetSearchOrder(n);
        EXPECT_EQ(s.EmptyCellCount(), (n - 1) * (n - 1));
        EXPECT_EQ(s.CodeIndex(""), n + 1);
    }
    EXPECT_THROW(s.SetSearchOrder(21), InvalidArgument);
    EXPECT_EQ(s.SearchOrder(), 20);
}

TEST(ElementCodes, ConversionsAndRenaming) {
    CayleySearch s;
    s.SetSearchOrder(4);
    EXPECT_EQ(CayleySearch::ElementCode(1), "1");
    EXPECT_EQ(CayleySearch::ElementCode(20), "s");
    for (auto [code, index] : {std::pair{"1", 1}, {"c", 4}, {"d", 5}, {"?x", 5}})
        EXPECT_EQ(s.CodeIndex(code), index) << code;
    for (auto [name, code] : {std::pair{"", ""}, {"b", "b"}, {"zz", "?zz"}}) {
        EXPECT_EQ(s.NameToCode(name), code);
        EXPECT_EQ(s.CodeToName(code), name);
    }

    std::array<std::string, CayleySearch::kSize> names{};
    for (int k = 1; k <= 20; ++k) names[static_cast<std::size_t>(k)] = CayleySearch::ElementCode(k);
    names[1] = "e";
    names[2] = "r";
    names[3] = "r2";
    s.SetElementNames(names);
    EXPECT_EQ(s.PriorElementName(2), "a");
    EXPECT_EQ(s.NameToCode("r2"), "b");
    for (auto [code, name] : {std::pair{"b", "r2"}, {"1", "e"}}) EXPECT_EQ(s.CodeToName(code), name);
    for (auto [from, to] : {std::pair{"a", "r"}, {"c", "c"}, {"nothing", "nothing"}, {"", ""}})
        EXPECT_EQ(s.TranslateName(from), to);
    names[2] = "s";
    s.SetElementNames(names);
    EXPECT_EQ(s.TranslateName("r"), "s");
    EXPECT_EQ(s.TranslateName("a"), "a");
}

TEST(TraceByStep, StopsOnEveryTrialAndKeepsReasons) {
    CayleySearch s;
    s.SetTraceMode(TraceMode::ByStep);
    s.SetSearchOrder(6);
    int shown = 0;
    long long trials = 0;
    for (int step = 0; step < 12; ++step) {
        s.FindNext();
        ASSERT_TRUE(s.StepReady());
        EXPECT_FALSE(s.Complete());
        EXPECT_GT(s.Stats().trials, trials);
        trials = s.Stats().trials;
        // Nothing is committed: the trial table holds only odometer cells, a
        // prefix of the visiting order ending at the branch cell.
        int filled = 0;
        for (int i = 2; i <= 6; ++i)
            for (int j = 2; j <= 6; ++j) {
                const bool upToBranch = i < s.BranchRow() || (i == s.BranchRow() && j <= s.BranchColumn());
                EXPECT_EQ(s.Trial(i, j) != 0, upToBranch) << i << "," << j;
                filled += s.Trial(i, j) != 0;
                if (s.IsInference(i, j)) {
                    ++shown;
                    EXPECT_FALSE(s.Reason(i, j).empty()) << i << "," << j;
                }
            }
        EXPECT_EQ(s.EmptyCellCount(), 25 - filled);
    }
    EXPECT_GT(shown, 0);
}

class SteppedModes : public ::testing::TestWithParam<TraceMode> {};

TEST_P(SteppedModes, FindTheSameSolutionsAsTraceOff) {
    testing::TestProgress progress;
    for (int n : {4, 6, 8, 9, 12}) {
        long long incomplete = 0;
        const auto expected = traceOffSolutions(n);
        EXPECT_EQ(steppedSolutions(n, GetParam(), &incomplete, progress), expected) << "n = " << n;
        EXPECT_GT(incomplete, 0);
        EXPECT_EQ(progress.yields, 0);  // these modes never yield
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, SteppedModes, ::testing::Values(TraceMode::ByStep, TraceMode::Timed),
                         [](const ::testing::TestParamInfo<TraceMode>& info) {
                             return info.param == TraceMode::ByStep ? "TraceByStep" : "Timed";
                         });

TEST(Halt, StopsWithinTheYieldIntervalAndTheSearchGoesOn) {
    {
        testing::TestProgress progress(1);
        CayleySearch s;
        s.SetSearchOrder(16);
        SearchRun run(s);
        ASSERT_TRUE(run.Start());
        EXPECT_EQ(run.Run(progress), SearchOutcome::Halted);
        EXPECT_EQ(progress.yields, 1);
        EXPECT_EQ(s.Stats().fills, s.YieldInterval() + 1);
        // A timer tick sees the request before it steps.
        EXPECT_EQ(run.Tick(progress), SearchOutcome::Halted);
        EXPECT_EQ(s.Stats().fills, s.YieldInterval() + 1);
    }
    for (int n : {12, 18}) {
        const auto expected = traceOffSolutions(n);
        testing::TestProgress progress;
        CayleySearch s;
        s.SetSearchOrder(n);
        std::vector<Rows> found;
        int halts = 0;
        for (;;) {
            progress.stopAtYield = progress.yields + 2;
            const auto r = testing::getNextSolution(s, nullptr, &progress);
            EXPECT_FALSE(progress.Stopped());
            if (r == testing::RunResult::Exhausted) break;
            if (r == testing::RunResult::Halted) {
                ++halts;
                continue;
            }
            found.push_back(tableOf(s));
            s.NoteSolutionRules();
        }
        EXPECT_GT(halts, 3);
        EXPECT_EQ(found, expected) << "n = " << n;
    }
}

TEST(SearchRun, TracesByStepAndTheTimedModesAndTakesAModeChosenMidRun) {
    CayleySearch s;
    s.SetTraceMode(TraceMode::ByStep);
    s.SetSearchOrder(6);
    SearchRun run(s);
    Progress progress;
    ASSERT_TRUE(run.Start());
    EXPECT_EQ(run.Run(progress), SearchOutcome::Step);
    s.SetTraceMode(TraceMode::Timed);
    EXPECT_EQ(run.Run(progress), SearchOutcome::Incomplete);  // the timer takes over
    SearchOutcome o = SearchOutcome::Incomplete;
    int ticks = 0;
    while (o == SearchOutcome::Incomplete || o == SearchOutcome::Duplicate) {
        o = run.Tick(progress);
        ++ticks;
    }
    EXPECT_EQ(o, SearchOutcome::Solution);
    EXPECT_GT(ticks, 1);
    // A Trace off run chosen while it yields to Trace by step stops at the next step.
    s.SetTraceMode(TraceMode::Off);
    s.SetSearchOrder(16);
    Progress switching([&] { s.SetTraceMode(TraceMode::ByStep); });
    ASSERT_TRUE(run.Start());
    EXPECT_EQ(run.Run(switching), SearchOutcome::Step);
    EXPECT_FALSE(s.Complete());
}

TEST(SearchRun, RuleFourEndsAtOnceAndManualEntryStartsANewSearch) {
    CayleySearch s;
    s.SetSearchOrder(6);
    SearchRun run(s);
    Progress progress;
    for (int k = 1; k <= 2; ++k) {
        ASSERT_TRUE(run.Start());
        ASSERT_EQ(run.Run(progress), SearchOutcome::Solution);
        run.SolutionShown();
    }
    EXPECT_FALSE(run.Start());
    run.Restart();
    EXPECT_TRUE(s.ManualEntry());
    EXPECT_EQ(s.SolutionCount(), 0);
    ASSERT_TRUE(run.Start());
    EXPECT_TRUE(run.StartedNewSearch());
    EXPECT_FALSE(s.ManualEntry());
    EXPECT_EQ(run.Run(progress), SearchOutcome::Solution);
}

}  // namespace
}  // namespace quorix
