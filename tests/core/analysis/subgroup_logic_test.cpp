// The shared subgroup list: caching, the limit, halting, sorting, IDs and
// the questions asked about listed subgroups.

#include <gtest/gtest.h>

#include "core/analysis/composition_series.h"
#include "core/analysis/subgroups.h"
#include "support/test_progress.h"
#include "reference_search.h"
#include "support/groups.h"

namespace quorix::testing {
namespace {

std::vector<std::string> ElementLists(const SubgroupLogic& logic, bool original = false) {
    std::vector<std::string> out;
    for (const GroupPtr& h : logic.Subgroups())
        out.push_back(FormatSubgroupElements(*h, *logic.AnalysedGroup(), original));
    return out;
}

TEST(SubgroupList, SymmetricGroupOfDegreeThreeInSortedOrder) {
    TestProgress progress;
    SubgroupLogic logic;
    logic.FindAllSubgroups(spec("S3"), progress);
    // The exchange sort moves {1, B}, met first by the search, behind the
    // other subgroups of order 2.
    EXPECT_EQ(ElementLists(logic), (std::vector<std::string>{"{1}", "{1, AB}", "{1, A|2|B}", "{1, B}", "{1, A, A|2|}",
                                                             "{1, A, A|2|, B, AB, A|2|B}"}));
    EXPECT_EQ(FormatSubgroupElements(*logic.Subgroup(5), *logic.AnalysedGroup(), true), "{123, 231, 312}");
    EXPECT_FALSE(logic.PartialList());
    // Elements of a direct product read as tuples.
    SubgroupLogic product;
    product.FindAllSubgroups(spec("S3xZ2"), progress);
    EXPECT_EQ(FormatSubgroupElements(*product.Subgroup(2), *product.AnalysedGroup(), true).rfind("{(123, 0), (", 0),
              0u);
}

TEST(SubgroupList, SecondRequestForTheSameObjectIsFree) {
    TestProgress progress;
    SubgroupLogic logic;
    GroupPtr g = spec("A4");
    logic.FindAllSubgroups(g, progress);
    const long pumps = progress.yields;
    logic.FindAllSubgroups(g, progress);
    EXPECT_EQ(progress.yields, pumps);
    // An equal group in another object is enumerated again.
    logic.FindAllSubgroups(spec("A4"), progress);
    EXPECT_GT(progress.yields, pumps);
}

TEST(SubgroupList, PanelLimitGivesTheFirstSixtyOfTheSearchSorted) {
    TestProgress progress;
    SubgroupLogic logic;
    GroupPtr g = spec("S5");
    EXPECT_TRUE(logic.FindAllSubgroups(g, progress, kSubgroupPanelLimit).limitReached);
    ASSERT_EQ(logic.SubgroupCount(), 60);
    EXPECT_TRUE(logic.PartialList());
    std::vector<ElementSet> expected = ReferenceSubgroupSearch(*g, 60);
    std::vector<GroupPtr> list;
    for (const ElementSet& m : expected) {
        list.push_back(Group::Create());
        list.back()->GenerateSubgroup(g, m);
    }
    SortSubgroups(*g, list, &expected);
    EXPECT_EQ(logic.Memberships(), expected);
    for (std::size_t s = 1; s < list.size(); ++s) EXPECT_LE(list[s - 1]->order(), list[s]->order());
    // A partial list is not cached.
    const long pumps = progress.yields;
    logic.FindAllSubgroups(g, progress, kSubgroupPanelLimit);
    EXPECT_GT(progress.yields, pumps);
}

TEST(SubgroupList, HaltThenKeepingGivesAPartialSortedList) {
    TestProgress progress;
    progress.stopAtYield = 3;
    SubgroupLogic logic;
    GroupPtr g = spec("S4");
    ASSERT_TRUE(logic.FindAllSubgroups(g, progress).halted);
    EXPECT_TRUE(logic.PartialList());
    logic.KeepPartialList();
    progress.ClearStop();
    EXPECT_TRUE(logic.PartialList());
    EXPECT_GE(logic.SubgroupCount(), 1);
    EXPECT_LT(logic.SubgroupCount(), 30);
    for (int s = 2; s <= logic.SubgroupCount(); ++s)
        EXPECT_LE(logic.Subgroup(s - 1)->order(), logic.Subgroup(s)->order());
    progress.stopAtYield = -1;
    logic.FindAllSubgroups(g, progress);  // not cached: enumerated again, complete
    EXPECT_EQ(logic.SubgroupCount(), 30);
}

TEST(SubgroupList, CentreAndCommutatorSubgroupOfTheDihedralGroupOfOrderEight) {
    TestProgress progress;
    SubgroupLogic logic;
    logic.FindAllSubgroups(dihedral(4), progress);
    std::vector<int> centres, commutators;  // the orders of the subgroups found to be one
    for (const GroupPtr& h : logic.Subgroups()) {
        if (logic.IsCenter(*h)) centres.push_back(h->order());
        if (logic.IsCommutatorSubgroup(*h)) commutators.push_back(h->order());
    }
    EXPECT_EQ(centres, std::vector<int>{2});
    EXPECT_EQ(commutators, std::vector<int>{2});
}

TEST(SubgroupList, IdsRestartTheirSequenceAtEveryOrderAndAreRegistered) {
    TestProgress progress;
    SubgroupLogic logic;
    logic.FindAllSubgroups(spec("Z2xZ2"), progress);
    std::vector<std::pair<std::string, std::string>> registered;
    GroupRegistrar registrar;
    registrar.registerGroup = [&](const GroupPtr& g, const std::string& id) {
        registered.emplace_back(g->GroupID(), id);
    };
    std::vector<std::string> ids = logic.NameAndRegister(registrar);
    EXPECT_EQ(ids, (std::vector<std::string>{"Subgroup1-1(Z|@2|xZ|@2|)", "Subgroup2-1(Z|@2|xZ|@2|)",
                                             "Subgroup2-2(Z|@2|xZ|@2|)", "Subgroup2-3(Z|@2|xZ|@2|)",
                                             "Subgroup4-1(Z|@2|xZ|@2|)"}));
    ASSERT_EQ(registered.size(), 5u);
    EXPECT_EQ(registered[3].first, ids[3]);
    EXPECT_EQ(registered[3].second, ids[3]);
    EXPECT_EQ(ShortSubgroupName(ids[3]), "Subgroup2-3");
    EXPECT_EQ(ShortSubgroupName("G"), "G");
}

// Centralizers and normalizers picked from the list are the true ones.
TEST(SubgroupList, CentralizersAndNormalizersComeFromTheList) {
    TestProgress progress;
    for (const GroupPtr& g : {spec("S4"), dicyclic(3), spec("Z2xS3"), spec("Z6")}) {
        SubgroupLogic logic;
        logic.FindAllSubgroups(g, progress);
        const int n = g->order();
        for (int x = 1; x <= n; ++x) {
            const int s = logic.CentralizerIndex(x);
            ASSERT_GE(s, 1);
            const ElementSet& c = logic.Memberships()[static_cast<std::size_t>(s - 1)];
            for (int y = 1; y <= n; ++y) EXPECT_EQ(c.test(static_cast<std::size_t>(y)), g->mul(x, y) == g->mul(y, x));
        }
        for (int s = 1; s <= logic.SubgroupCount(); ++s) {
            const int t = logic.NormalizerIndex(s);
            ASSERT_GE(t, 1);
            const ElementSet& h = logic.Memberships()[static_cast<std::size_t>(s - 1)];
            const ElementSet& nz = logic.Memberships()[static_cast<std::size_t>(t - 1)];
            EXPECT_TRUE((h & ~nz).none());  // H lies in its normalizer
            for (int y = 1; y <= n; ++y) {
                bool normalizes = true;
                for (int e = 1; e <= n; ++e)
                    if (h.test(static_cast<std::size_t>(e)) &&
                        !h.test(static_cast<std::size_t>(g->mul(g->mul(g->inv(y), e), y))))
                        normalizes = false;
                EXPECT_EQ(nz.test(static_cast<std::size_t>(y)), normalizes);
            }
        }
    }
}

TEST(SubgroupList, CentralizerOrNormalizerMissingFromAPartialList) {
    TestProgress progress;
    SubgroupLogic logic;
    logic.FindAllSubgroups(spec("S4"), progress, 1);  // the search meets the whole group first
    ASSERT_EQ(logic.SubgroupCount(), 1);
    EXPECT_EQ(logic.CentralizerIndex(1), 1);
    EXPECT_EQ(logic.CentralizerIndex(2), 0);
    EXPECT_THROW(logic.CentralizerIndex(99), ProgramError);
    EXPECT_THROW(logic.NormalizerIndex(99), ProgramError);
}

TEST(SubgroupList, NormalityOfAGroupMadeElsewhere) {
    GroupPtr g = spec("S3");
    GroupPtr z3 = spec("Z3");  // residues are not permutations of S3
    EXPECT_FALSE(IsNormalSubgroup(*g, *z3));
    EXPECT_TRUE(IsNormalSubgroup(*g, *g));
}

TEST(MaximalNormalSubgroup, IsBuiltAsASubgroupAndTheTrivialGroupHasNone) {
    TestProgress progress;
    EXPECT_EQ(FindMaximalNormalSubgroup(spec("Z1"), progress), nullptr);
    GroupPtr s4 = spec("S4");
    GroupPtr n = FindMaximalNormalSubgroup(s4, progress);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->order(), 12);
    EXPECT_EQ(n->MethodOfGeneration(), GenerationMethod::Subgroup);
    EXPECT_EQ(FindMaximalNormalSubgroup(spec("A5"), progress)->order(), 1);
}

}  // namespace
}  // namespace quorix::testing
