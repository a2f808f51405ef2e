// The workbench and the state of a job: what one job works on is its own, so
// that a job that runs while another yields leaves the other's work alone.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <thread>

#include "core/catalogue/catalogue.h"
#include "core/compare/comparison.h"
#include "core/compare/solution_analysis.h"
#include "core/workbench/workbench.h"
#include "support/groups.h"

namespace quorix::testing {
namespace {

ComparisonResult Compare(const GroupPtr& a, const GroupPtr& b, Progress& progress) {
    EngineStructure structure;
    SharedHomomorphism homomorphism;
    return CompareGroups(a, b, structure, homomorphism, {}, progress);
}

// The isomorphic subgroups, then every subgroup listed.
std::vector<std::string> Found(const ComparisonResult& r) {
    std::vector<std::string> ids;
    for (const IsomorphicSubgroup& s : r.listing.isomorphic) ids.push_back(s.name);
    ids.insert(ids.end(), r.listing.names.begin(), r.listing.names.end());
    return ids;
}

// A comparison of S5 and S4 lists S5's subgroups; at the first yield of that
// listing a second comparison (A5 and Z5, which lists A5's) runs to its end,
// as another panel's job would while the first one waits for Qt's events.
TEST(Workbench, InterleavedComparisonsGiveWhatEachGivesAlone) {
    Progress quiet;
    const GroupPtr s5 = spec("S5"), s4 = spec("S4"), a5 = spec("A5"), z5 = spec("Z5");
    const ComparisonResult aloneOuter = Compare(s5, s4, quiet);
    const ComparisonResult aloneInner = Compare(a5, z5, quiet);
    ASSERT_EQ(aloneOuter.listing.Found(), 5);
    ASSERT_EQ(aloneInner.listing.Found(), 6);

    std::optional<ComparisonResult> inner;
    bool listing = false;
    Progress outerProgress(
        [&] {
            if (!listing || inner) return;
            inner.emplace();
            Progress innerProgress;
            *inner = Compare(a5, z5, innerProgress);
        },
        [&](const std::string& text) { listing = text == "checking for isomorphisms onto subgroups..."; });
    const ComparisonResult outer = Compare(s5, s4, outerProgress);
    ASSERT_TRUE(inner.has_value());
    EXPECT_EQ(Found(outer), Found(aloneOuter));
    EXPECT_EQ(outer.lines, aloneOuter.lines);
    EXPECT_EQ(Found(*inner), Found(aloneInner));
    EXPECT_EQ(inner->lines, aloneInner.lines);
}

// Jobs on two threads share the catalogue and the solution-analysis cache:
// each gets what it gets alone, the catalogue is filled once.
TEST(Workbench, TwoThreadsShareTheCatalogueAndTheCache) {
    Workbench bench;
    const GroupPtr d8 = spec("D4"), q8 = spec("Dic2"), s4 = spec("S4"), z12 = spec("Z12");
    std::vector<std::string> notes[2];
    bool solvable[2][2] = {};
    auto job = [&](int t) {
        Progress progress;
        EngineStructure structure;
        for (int round = 0; round < 20; ++round) {
            notes[t].push_back(CatalogueNote(bench.catalogue, t == 0 ? *d8 : *q8, progress));
            solvable[t][0] = IsSolvable(t == 0 ? s4 : z12, structure, bench.namedGroups, progress);
            solvable[t][1] = CachedSymmetricGroup(bench.namedGroups, 3 + t)->Order() == (t == 0 ? 6 : 24);
        }
    };
    std::thread other(job, 1);
    job(0);
    other.join();
    EXPECT_EQ(notes[0].front(), " [#8-3 D|@4|]");
    EXPECT_EQ(notes[1].front(), " [#8-5 Q|@8|]");
    for (const auto& n : notes) EXPECT_EQ(std::count(n.begin(), n.end(), n.front()), 20);
    EXPECT_TRUE(solvable[0][0] && solvable[1][0] && solvable[0][1] && solvable[1][1]);
}

TEST(Workbench, ComparisonLeavesItsMappingForTheDisplays) {
    Progress progress;
    EngineStructure structure;
    SharedHomomorphism homomorphism;
    GroupPtr s5 = spec("S5"), other = spec("perm:21345,23451");
    const ComparisonResult r = CompareGroups(s5, other, structure, homomorphism, {}, progress);
    ASSERT_TRUE(r.isomorphic);
    EXPECT_EQ(ParseMappingText(homomorphism.mappingText), r.isomorphism);
}

}  // namespace
}  // namespace quorix::testing
