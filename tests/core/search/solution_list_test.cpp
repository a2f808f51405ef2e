// Recording solutions: IDs, classification, the 100-solution limit and the
// registrar that the group register plugs in.

#include <gtest/gtest.h>

#include "search_test_util.h"

namespace quorix {
namespace {

class RecordingRegistrar : public SolutionRegistrar {
public:
    void RegisterSolution(const GroupPtr& group, const std::string& id) override {
        ids.push_back(id);
        groups.push_back(group);
    }
    int LastManualNumber() const override { return lastManual; }
    void SetLastManualNumber(int number) override { lastManual = number; }

    std::vector<std::string> ids;
    std::vector<GroupPtr> groups;
    int lastManual = 0;
};

const std::vector<std::string> kS3 = {"1 a b c d e", "a 1 d e b c", "b e 1 d c a",
                                      "c d e 1 a b", "d c a b e 1", "e b c a 1 d"};

TEST(SolutionList, AutomaticIdsAndRegistration) {
    RecordingRegistrar reg;
    CayleySearch s;
    s.SetSearchOrder(4);
    ASSERT_EQ(testing::getNextSolution(s, &reg), testing::RunResult::SolutionStored);
    s.NoteSolutionRules();
    ASSERT_EQ(testing::getNextSolution(s, &reg), testing::RunResult::SolutionStored);
    s.NoteSolutionRules();
    EXPECT_EQ(testing::getNextSolution(s, &reg), testing::RunResult::Exhausted);
    EXPECT_EQ(reg.ids, (std::vector<std::string>{"Group #4-1", "Group #4-2"}));
    EXPECT_EQ(reg.groups[0]->GroupID(), "Group #4-1");
    EXPECT_EQ(reg.groups[1], s.Solution(2));
    EXPECT_EQ(reg.groups[0]->MethodOfGeneration(), GenerationMethod::CayleyTable);
    // Automatic solutions carry the element codes.
    EXPECT_EQ(reg.groups[0]->SourceElement(2), "a");
    EXPECT_EQ(reg.lastManual, 0);
}

TEST(SolutionList, IsomorphicTablesAreDroppedOrKeptWithTheirClass) {
    RecordingRegistrar reg;
    CayleySearch s;
    s.SetSearchOrder(4);
    ASSERT_EQ(testing::getNextSolution(s, &reg), testing::RunResult::SolutionStored);
    // The same complete table again is isomorphic to solution 1.
    RecordResult again = s.RecordSolution(&reg);
    EXPECT_TRUE(again.generated);
    EXPECT_FALSE(again.kept);
    EXPECT_EQ(again.isomorphIndex, 1);
    EXPECT_EQ(s.Solutions().IsomorphIndex(), 1);
    EXPECT_EQ(s.SolutionCount(), 1);
    EXPECT_EQ(reg.ids.size(), 1u);

    s.SetIncludeIsomorphs(true);
    again = s.RecordSolution(&reg);
    EXPECT_TRUE(again.kept);
    EXPECT_EQ(again.id, "Group #4(2)");
    EXPECT_EQ(s.SolutionIsomorph(2), 1);
    EXPECT_EQ(s.LastRecord().id, "Group #4(2)");
}

TEST(SolutionList, HundredSolutionsAreStoredAndTheRestCounted) {
    RecordingRegistrar reg;
    CayleySearch s;
    s.SetIncludeIsomorphs(true);
    s.SetSearchOrder(3);
    ASSERT_EQ(testing::getNextSolution(s, &reg), testing::RunResult::SolutionStored);
    for (int k = 2; k <= 101; ++k) {
        const RecordResult r = s.RecordSolution(&reg);
        EXPECT_TRUE(r.kept);
        EXPECT_EQ(r.stored, k <= 100);
        EXPECT_EQ(r.isomorphIndex, 1);
    }
    EXPECT_EQ(s.SolutionCount(), 101);
    EXPECT_EQ(reg.ids.back(), "Group #3(101)");
    EXPECT_NO_THROW(s.Solution(100));
    EXPECT_THROW(s.Solution(101), InvalidArgument);
    EXPECT_THROW(s.SolutionIsomorph(0), InvalidArgument);
    s.NoteSolutionRules();  // nothing stored in slot 101: no rule looks at it
    s.ClearSolutions();
    EXPECT_EQ(s.SolutionCount(), 0);
}

TEST(SolutionList, ManualTablesAreNumberedAcrossTheRunAndUseDisplayNames) {
    RecordingRegistrar reg;
    reg.lastManual = 4;  // the register already holds Manual...-4
    CayleySearch s;
    std::array<std::string, CayleySearch::kSize> names{};
    for (int k = 1; k <= 20; ++k) names[static_cast<std::size_t>(k)] = CayleySearch::ElementCode(k);
    names[2] = "t";
    s.SetElementNames(names);
    std::vector<std::string> rows = kS3;
    for (std::string& r : rows)
        for (char& ch : r)
            if (ch == 'a') ch = 't';
    testing::check(s, 6, rows);
    ASSERT_FALSE(s.ConflictFound()) << s.ConflictMessage();
    ASSERT_TRUE(s.Complete());
    EXPECT_EQ(s.TrialText(2, 2), "1");
    EXPECT_EQ(s.TrialText(1, 2), "a");  // stored as the code
    RecordResult r = s.RecordSolution(&reg);
    EXPECT_EQ(r.id, "Manual6-5");
    EXPECT_EQ(reg.lastManual, 5);
    EXPECT_EQ(r.group->SourceElement(2), "t");
    EXPECT_FALSE(r.group->Cyclic());

    // Without a register the count of the run goes on.
    testing::check(s, 4, {"1 t b c", "t 1 c b", "b c t 1", "c b 1 t"});
    r = s.RecordSolution();
    EXPECT_EQ(r.id, "Manual4-6");
    EXPECT_EQ(s.Solutions().ManualCount(), 6);
}

}  // namespace
}  // namespace quorix
