// Composition series, quotient listings and the panel texts built on them.

#include <gtest/gtest.h>

#include <set>

#include "core/analysis/composition_series.h"
#include "core/display/panel_text.h"
#include "core/analysis/quotient.h"
#include "core/analysis/subgroups.h"
#include "support/test_progress.h"
#include "support/groups.h"

namespace quorix::testing {
namespace {

using namespace analysis_text;

std::vector<int> Factors(const CompositionSeries& s) { return {s.factors.begin() + 1, s.factors.end()}; }

// The factors of known groups, sorted, and solvability are checked with the
// facts; here the order of the factors down the series.
TEST(CompositionSeries, KnownSeries) {
    TestProgress progress;
    CompositionSeries z7 = BuildCompositionSeries(spec("Z7"), progress);
    EXPECT_EQ(Factors(z7), (std::vector<int>{7}));
    EXPECT_EQ(z7.terms[1]->order(), 1);
    EXPECT_EQ(Factors(BuildCompositionSeries(spec("S4"), progress)), (std::vector<int>{2, 3, 2, 2}));
    CompositionSeries trivial = BuildCompositionSeries(spec("Z1"), progress);
    EXPECT_EQ(trivial.Length(), 0);
    EXPECT_TRUE(trivial.solvable);
}

TEST(CompositionSeries, TermsAreSubgroupsOfTheirPredecessors) {
    TestProgress progress;
    CompositionSeries s = BuildCompositionSeries(spec("Z2xS4"), progress);
    for (int i = 1; i <= s.Length(); ++i) {
        EXPECT_EQ(s.terms[static_cast<std::size_t>(i)]->Parent(), s.terms[static_cast<std::size_t>(i - 1)]);
        EXPECT_TRUE(IsNormalSubgroup(*s.terms[static_cast<std::size_t>(i - 1)], *s.terms[static_cast<std::size_t>(i)]));
    }
}

TEST(CompositionSeries, StateCachesCompleteRunsOnly) {
    TestProgress progress;
    CompositionSeriesState state;
    GroupPtr g = spec("S4");
    EXPECT_TRUE(state.ComputeCompositionSeries(g, progress));
    const long pumps = progress.yields;
    EXPECT_TRUE(state.ComputeCompositionSeries(g, progress));
    EXPECT_EQ(progress.yields, pumps);

    GroupPtr a5 = spec("A5");
    progress.stopAtYield = progress.yields + 2;
    EXPECT_FALSE(state.ComputeCompositionSeries(a5, progress));
    EXPECT_EQ(state.SeriesGroup(), nullptr);
    progress.ClearStop();
    progress.stopAtYield = -1;
    EXPECT_FALSE(state.ComputeCompositionSeries(a5, progress));  // not solvable, now complete
    EXPECT_EQ(state.SeriesGroup(), a5);
}

TEST(CompositionSeries, TermIdsAndDisplay) {
    TestProgress progress;
    CompositionSeriesState state;
    state.ComputeCompositionSeries(spec("S3"), progress);
    std::vector<std::string> registered;
    GroupRegistrar registrar;
    registrar.registerGroup = [&](const GroupPtr& g, const std::string& id) {
        registered.push_back(g->GroupID() + "=" + id);
    };
    EXPECT_EQ(state.NameAndRegister(registrar), (std::vector<std::string>{"N|@1|(S|@3|)", "N|@2|(S|@3|)"}));
    EXPECT_EQ(registered, (std::vector<std::string>{"N|@1|(S|@3|)=N|@1|(S|@3|)", "N|@2|(S|@3|)=N|@2|(S|@3|)"}));
    std::vector<std::string> lines = SeriesPanelLines(state.Series(), false);
    EXPECT_EQ(lines[0], "Composition Series for S|@3|:");
    EXPECT_EQ(lines[1], "|%b|N|@0||/b| = |%b|S|@3||/b| = {1, A, A|2|, B, AB, A|2|B}");
    EXPECT_EQ(lines[3], "|%b|N|@1||/b| (maximal normal subgroup of |%b|N|@0||/b|) = {1, A, A|2|}");
    EXPECT_EQ(lines[4], "Order:  3   Composition Factor:  6/3 = 2 (prime)");
    EXPECT_EQ(lines.back(), "Therefore |%b|S|@3||/b| is solvable.");
}

TEST(CompositionSeries, TrivialAndLargeGroups) {
    EXPECT_EQ(SeriesTopLine(*spec("Z16"), false), "|%b|N|@0||/b| = |%b|Z|@16||/b|");
    TestProgress progress;
    std::vector<std::string> trivial = SeriesPanelLines(BuildCompositionSeries(spec("Z1"), progress), true);
    EXPECT_EQ(trivial.size(), 5u);
    EXPECT_EQ(trivial[3], "All the Composition Factors are prime.");
}

// The quotient of g by list entry s of its subgroups.
QuotientListing QuotientBy(const GroupPtr& g, int order, bool original) {
    SubgroupLogic logic;
    TestProgress progress;
    logic.FindAllSubgroups(g, progress);
    for (int s = 1; s <= logic.SubgroupCount(); ++s)
        if (logic.Subgroup(s)->order() == order && logic.IsNormal(s)) {
            logic.NameAndRegister({});
            return BuildQuotientListing(g, logic.Subgroup(s), original);
        }
    return {};
}

TEST(Quotient, CosetsOfTheAdditiveGroupOfOrderFour) {
    QuotientListing q = QuotientBy(spec("Z4"), 2, false);
    ASSERT_EQ(q.cosets.size(), 2u);
    EXPECT_EQ(q.cosets[0].name, "|%b|N|/b|");
    EXPECT_EQ(q.cosets[0].representative, "");
    EXPECT_EQ(q.cosets[1].name, "|%b|N|/b|A");
    EXPECT_EQ(q.cosets[0].elements, (std::vector<std::string>{"1", "A|2|"}));
    EXPECT_EQ(CosetElementsText(q.cosets[1]), "= {A, A|3|}");
    EXPECT_EQ(q.quotient->GroupID(), "Z|@4|/Subgroup2-1");
    QuotientListing o = QuotientBy(spec("Z4"), 2, true);
    EXPECT_EQ(o.cosets[1].name, "|%b|N|/b|1");
    EXPECT_EQ(o.cosets[1].elements, (std::vector<std::string>{"1", "3"}));
}

TEST(Quotient, CosetsPartitionTheGroupAndTheTableIsTheQuotients) {
    TestProgress progress;
    for (const GroupPtr& g : {spec("S4"), dihedral(6), spec("Z2xZ6"), dicyclic(3)}) {
        SubgroupLogic logic;
        logic.FindAllSubgroups(g, progress);
        for (int s = 1; s <= logic.SubgroupCount(); ++s) {
            if (!logic.IsNormal(s)) continue;
            for (bool original : {false, true}) {
                QuotientListing q = BuildQuotientListing(g, logic.Subgroup(s), original);
                std::set<std::string> all;
                for (const QuotientCoset& c : q.cosets)
                    for (const std::string& e : c.elements) all.insert(e);
                EXPECT_EQ(static_cast<int>(all.size()), g->order());
                ASSERT_EQ(static_cast<int>(q.cosets.size()), q.quotient->order());
                // Multiplying representatives lands in the coset the table names.
                for (std::size_t i = 0; i < q.cosets.size(); ++i)
                    for (std::size_t j = 0; j < q.cosets.size(); ++j) {
                        const int k = q.table[i][j];
                        auto positionOf = [&](const std::string& e) {
                            return original ? g->positionOf(g->sourceIndexOfName(e)) : g->positionOfName(e);
                        };
                        const int product =
                            g->mul(positionOf(q.cosets[i].elements[0]), positionOf(q.cosets[j].elements[0]));
                        const std::string name = original ? g->sourceName(g->sourceOf(product)) : g->name(product);
                        const auto& members = q.cosets[static_cast<std::size_t>(k)].elements;
                        EXPECT_NE(std::find(members.begin(), members.end(), name), members.end());
                    }
            }
        }
    }
}

TEST(Quotient, ByTheTrivialSubgroupEveryCosetIsNamedByItsElement) {
    GroupPtr g = spec("S3");
    QuotientListing trivial = QuotientBy(g, 1, false);
    ASSERT_EQ(trivial.cosets.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(trivial.cosets[i].name, "|%b|N|/b|" + (i == 0 ? std::string() : trivial.cosets[i].elements[0]));
    std::vector<std::string> lines = QuotientPanelLines(*g, *trivial.quotient->NormalSubgroup(), trivial, false);
    EXPECT_EQ(lines[0],
              "For |%b|G|/b| = |%b|S|@3||/b| and normal subgroup |%b|Subgroup1-1(S|@3|)|/b| = |%b|N|/b| = {1},");
    EXPECT_EQ(
        lines[1],
        "quotient group |%b|G/N|/b| has order 6 and contains as elements the following right cosets of |%b|N|/b|:");
}

TEST(Quotient, RegistersTheQuotientUnderItsOwnId) {
    TestProgress progress;
    GroupPtr g = spec("Z6");
    SubgroupLogic logic;
    logic.FindAllSubgroups(g, progress);
    logic.NameAndRegister({});
    std::vector<std::string> registered;
    GroupRegistrar registrar;
    registrar.registerGroup = [&](const GroupPtr& q, const std::string& id) {
        registered.push_back(q->GroupID() + "|" + id);
    };
    BuildQuotientListing(g, logic.Subgroup(2), false, registrar);
    EXPECT_EQ(registered, (std::vector<std::string>{"Z|@6|/Subgroup2-1|"}));
}

}  // namespace
}  // namespace quorix::testing
