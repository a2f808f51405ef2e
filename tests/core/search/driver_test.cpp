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
    s.setSearchOrder(n);
    return testing::pressUntilEnd(s).tables;
}

// The panel's loop for Trace by step and the timed modes: one findNext per
// press or tick; a complete table is recorded, a dropped duplicate searched
// past; a kept solution is shown, then the next press continues.
std::vector<Rows> steppedSolutions(int n, TraceMode mode, long long* incompleteStops, Progress& progress) {
    CayleySearch s;
    s.setTraceMode(mode);
    s.setSearchOrder(n);
    std::vector<Rows> found;
    for (;;) {
        if (s.allSolutionsFound()) break;
        s.findNext(progress);
        if (!s.stepReady()) break;
        if (!s.complete()) {
            ++*incompleteStops;
            continue;
        }
        const RecordResult r = s.recordSolution();
        if (r.kept) {
            found.push_back(tableOf(s));
            s.noteSolutionRules();
        }
        s.prepareContinue();
    }
    return found;
}

TEST(StartValues, ResetTable) {
    CayleySearch s;
    for (int n : {1, 2, 12, 20}) {
        s.setSearchOrder(n);
        EXPECT_EQ(s.emptyCellCount(), (n - 1) * (n - 1));
        EXPECT_EQ(s.codeIndex(""), n + 1);
    }
    EXPECT_THROW(s.setSearchOrder(21), InvalidArgument);
    EXPECT_EQ(s.searchOrder(), 20);
}

TEST(ElementCodes, ConversionsAndRenaming) {
    CayleySearch s;
    s.setSearchOrder(4);
    EXPECT_EQ(CayleySearch::elementCode(1), "1");
    EXPECT_EQ(CayleySearch::elementCode(20), "s");
    for (auto [code, index] : {std::pair{"1", 1}, {"c", 4}, {"d", 5}, {"?x", 5}}) EXPECT_EQ(s.codeIndex(code), index) << code;
    for (auto [name, code] : {std::pair{"", ""}, {"b", "b"}, {"zz", "?zz"}}) {
        EXPECT_EQ(s.nameToCode(name), code);
        EXPECT_EQ(s.codeToName(code), name);
    }

    std::array<std::string, CayleySearch::kSize> names{};
    for (int k = 1; k <= 20; ++k) names[static_cast<std::size_t>(k)] = CayleySearch::elementCode(k);
    names[1] = "e";
    names[2] = "r";
    names[3] = "r2";
    s.setElementNames(names);
    EXPECT_EQ(s.priorElementName(2), "a");
    EXPECT_EQ(s.nameToCode("r2"), "b");
    for (auto [code, name] : {std::pair{"b", "r2"}, {"1", "e"}}) EXPECT_EQ(s.codeToName(code), name);
    for (auto [from, to] : {std::pair{"a", "r"}, {"c", "c"}, {"nothing", "nothing"}, {"", ""}}) EXPECT_EQ(s.translateName(from), to);
    names[2] = "s";
    s.setElementNames(names);
    EXPECT_EQ(s.translateName("r"), "s");
    EXPECT_EQ(s.translateName("a"), "a");
}

TEST(TraceByStep, StopsOnEveryTrialAndKeepsReasons) {
    CayleySearch s;
    s.setTraceMode(TraceMode::ByStep);
    s.setSearchOrder(6);
    int shown = 0;
    long long trials = 0;
    for (int step = 0; step < 12; ++step) {
        s.findNext();
        ASSERT_TRUE(s.stepReady());
        EXPECT_FALSE(s.complete());
        EXPECT_GT(s.stats().trials, trials);
        trials = s.stats().trials;
        // Nothing is committed: the trial table holds only odometer cells, a
        // prefix of the visiting order ending at the branch cell.
        int filled = 0;
        for (int i = 2; i <= 6; ++i)
            for (int j = 2; j <= 6; ++j) {
                const bool upToBranch = i < s.branchRow() || (i == s.branchRow() && j <= s.branchColumn());
                EXPECT_EQ(s.trial(i, j) != 0, upToBranch) << i << "," << j;
                filled += s.trial(i, j) != 0;
                if (s.isInference(i, j)) {
                    ++shown;
                    EXPECT_FALSE(s.reason(i, j).empty()) << i << "," << j;
                }
            }
        EXPECT_EQ(s.emptyCellCount(), 25 - filled);
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
        s.setSearchOrder(16);
        SearchRun run(s);
        ASSERT_TRUE(run.start());
        EXPECT_EQ(run.run(progress), SearchOutcome::Halted);
        EXPECT_EQ(progress.yields, 1);
        EXPECT_EQ(s.stats().fills, s.yieldInterval() + 1);
        // A timer tick sees the request before it steps.
        EXPECT_EQ(run.tick(progress), SearchOutcome::Halted);
        EXPECT_EQ(s.stats().fills, s.yieldInterval() + 1);
    }
    for (int n : {12, 18}) {
        const auto expected = traceOffSolutions(n);
        testing::TestProgress progress;
        CayleySearch s;
        s.setSearchOrder(n);
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
            s.noteSolutionRules();
        }
        EXPECT_GT(halts, 3);
        EXPECT_EQ(found, expected) << "n = " << n;
    }
}

TEST(SearchRun, TracesByStepAndTheTimedModesAndTakesAModeChosenMidRun) {
    CayleySearch s;
    s.setTraceMode(TraceMode::ByStep);
    s.setSearchOrder(6);
    SearchRun run(s);
    Progress progress;
    ASSERT_TRUE(run.start());
    EXPECT_EQ(run.run(progress), SearchOutcome::Step);
    s.setTraceMode(TraceMode::Timed);
    EXPECT_EQ(run.run(progress), SearchOutcome::Incomplete);   // the timer takes over
    SearchOutcome o = SearchOutcome::Incomplete;
    int ticks = 0;
    while (o == SearchOutcome::Incomplete || o == SearchOutcome::Duplicate) {
        o = run.tick(progress);
        ++ticks;
    }
    EXPECT_EQ(o, SearchOutcome::Solution);
    EXPECT_GT(ticks, 1);
    // A Trace off run chosen while it yields to Trace by step stops at the next step.
    s.setTraceMode(TraceMode::Off);
    s.setSearchOrder(16);
    Progress switching([&] { s.setTraceMode(TraceMode::ByStep); });
    ASSERT_TRUE(run.start());
    EXPECT_EQ(run.run(switching), SearchOutcome::Step);
    EXPECT_FALSE(s.complete());
}

TEST(SearchRun, RuleFourEndsAtOnceAndManualEntryStartsANewSearch) {
    CayleySearch s;
    s.setSearchOrder(6);
    SearchRun run(s);
    Progress progress;
    for (int k = 1; k <= 2; ++k) {
        ASSERT_TRUE(run.start());
        ASSERT_EQ(run.run(progress), SearchOutcome::Solution);
        run.solutionShown();
    }
    EXPECT_FALSE(run.start());
    run.restart();
    EXPECT_TRUE(s.manualEntry());
    EXPECT_EQ(s.solutionCount(), 0);
    ASSERT_TRUE(run.start());
    EXPECT_TRUE(run.startedNewSearch());
    EXPECT_FALSE(s.manualEntry());
    EXPECT_EQ(run.run(progress), SearchOutcome::Solution);
}

}  // namespace
}  // namespace quorix
