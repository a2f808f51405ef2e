// The fast subgroup enumeration against the literal depth-first walk, on
// every catalogued group of order <= 24: same subgroups in the same order,
// with and without a limit, the same maximal normal subgroup, and the same
// subgroup classes with their first witnesses.

#include <gtest/gtest.h>

#include <set>

#include "core/analysis/conjugacy_classes.h"
#include "core/analysis/subgroup_sets.h"
#include "core/analysis/subgroups.h"
#include "support/test_progress.h"
#include "reference_search.h"
#include "support/groups.h"

namespace quorix::testing {
namespace {

std::string Describe(const std::vector<ElementSet>& sets) {
    std::string s;
    for (const ElementSet& m : sets) {
        s += "{";
        for (int i = 1; i < 128; ++i)
            if (m.test(static_cast<std::size_t>(i))) s += std::to_string(i) + " ";
        s += "} ";
    }
    return s;
}

class SearchEquivalence : public ::testing::Test {
protected:
    TestProgress progress;
    std::vector<NamedGroup> groups_ = zoo(24);
};

TEST_F(SearchEquivalence, SameSubgroupsInSearchOrder) {
    for (const NamedGroup& ng : groups_) {
        const std::vector<ElementSet> expected = ReferenceSubgroupSearch(*ng.group);
        const SubgroupSetsResult fast = EnumerateSubgroupSets(*ng.group, progress);
        EXPECT_FALSE(fast.limitReached);
        EXPECT_EQ(Describe(fast.sets), Describe(expected)) << ng.label;
    }
}

TEST_F(SearchEquivalence, LimitKeepsTheFirstSubgroupsTheWalkStores) {
    for (const NamedGroup& ng : groups_) {
        const int total = static_cast<int>(ReferenceSubgroupSearch(*ng.group).size());
        for (int limit : {1, 3, total - 1, total}) {
            if (limit < 1 || limit > total) continue;
            const SubgroupSetsResult fast = EnumerateSubgroupSets(*ng.group, progress, limit);
            EXPECT_TRUE(fast.limitReached) << ng.label << " limit " << limit;
            EXPECT_EQ(Describe(fast.sets), Describe(ReferenceSubgroupSearch(*ng.group, limit)))
                << ng.label << " limit " << limit;
        }
        EXPECT_FALSE(EnumerateSubgroupSets(*ng.group, progress, total + 1).limitReached) << ng.label;
    }
}

TEST_F(SearchEquivalence, SortedListMatchesTheWalkFollowedBySorting) {
    for (const NamedGroup& ng : groups_) {
        std::vector<ElementSet> sets = ReferenceSubgroupSearch(*ng.group);
        std::vector<GroupPtr> list;
        for (const ElementSet& m : sets) {
            list.push_back(Group::Create());
            list.back()->GenerateSubgroup(ng.group, m);
        }
        SortSubgroups(*ng.group, list, &sets);

        SubgroupLogic logic;
        logic.FindAllSubgroups(ng.group, progress);
        EXPECT_EQ(Describe(logic.Memberships()), Describe(sets)) << ng.label;
        ASSERT_EQ(logic.SubgroupCount(), static_cast<int>(list.size()));
        for (int s = 1; s <= logic.SubgroupCount(); ++s) {
            EXPECT_EQ(FormatSubgroupElements(*logic.Subgroup(s), *ng.group, true),
                      FormatSubgroupElements(*list[static_cast<std::size_t>(s - 1)], *ng.group, true));
            EXPECT_EQ(logic.IsNormal(s), ReferenceIsNormal(*ng.group, *logic.Subgroup(s))) << ng.label << " " << s;
            EXPECT_EQ(IsNormalSubgroup(*ng.group, *logic.Subgroup(s)), logic.IsNormal(s));
        }
    }
}

TEST_F(SearchEquivalence, SameMaximalNormalSubgroup) {
    for (const NamedGroup& ng : groups_) {
        if (ng.group->Order() < 2) continue;
        EXPECT_EQ(Describe({FindMaximalNormalSubgroupSet(*ng.group, progress)}),
                  Describe({ReferenceMaximalNormalSubgroup(ng.group)}))
            << ng.label;
    }
}

TEST_F(SearchEquivalence, SubgroupClassesKeepTheFirstWitnessAndTheSummaryAgrees) {
    for (const NamedGroup& ng : groups_) {
        SubgroupLogic logic;
        logic.FindAllSubgroups(ng.group, progress);
        const SubgroupClasses fast = ComputeSubgroupConjugacyClasses(*ng.group, logic.Memberships(), progress);
        const auto reference = ReferenceSubgroupClasses(*ng.group, logic.Memberships());
        ASSERT_EQ(fast.classes.size(), reference.size()) << ng.label;
        std::multiset<std::pair<int, int>> listed, summarised;  // (order, class size)
        for (std::size_t c = 0; c < reference.size(); ++c) {
            const SubgroupClass& k = fast.classes[c];
            EXPECT_EQ(k.representative, reference[c].first) << ng.label;
            ASSERT_EQ(k.members.size(), reference[c].second.size()) << ng.label;
            for (std::size_t m = 0; m < k.members.size(); ++m) {
                EXPECT_EQ(k.members[m].subgroup, reference[c].second[m].first) << ng.label;
                EXPECT_EQ(k.members[m].witness, reference[c].second[m].second) << ng.label;
            }
            listed.emplace(logic.Subgroup(k.representative)->order(), k.Size());
        }
        const SubgroupClassSummaries summary = EnumerateSubgroupClasses(*ng.group, progress);
        for (const SubgroupClassSummary& k : summary.classes) {
            summarised.emplace(k.order, k.size);
            EXPECT_EQ(k.Normal(), IsNormalSet(*ng.group, k.representative, GeneratorsOf(*ng.group))) << ng.label;
        }
        EXPECT_EQ(listed, summarised) << ng.label;
    }
}

}  // namespace
}  // namespace quorix::testing
