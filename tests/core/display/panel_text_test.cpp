// The subgroup and conjugacy-class panel texts.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/analysis/conjugacy_classes.h"
#include "core/display/panel_text.h"
#include "core/analysis/subgroups.h"
#include "support/test_progress.h"
#include "support/groups.h"

namespace quorix::testing {
namespace {

using namespace analysis_text;

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(SubgroupPanelText, TrivialGroupGetsBothNotes) {
    TestProgress progress;
    SubgroupLogic logic;
    logic.FindAllSubgroups(spec("Z1"), progress);
    std::vector<std::string> ids = logic.NameAndRegister({});
    std::vector<SubgroupRow> rows = SubgroupRows(logic, ids, false);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].id, "Subgroup1-1(Z|@1|)");
    EXPECT_TRUE(rows[0].normal && rows[0].centre && rows[0].commutator);
    EXPECT_EQ(rows[0].elements, "{1}");
    std::vector<std::string> lines = SubgroupPanelLines(logic, ids, false);
    EXPECT_EQ(lines[0], "Subgroups of Z|@1|:");
    EXPECT_TRUE(Contains(lines, "(1) This subgroup is the center of |%b|Z|@1||/b|."));
    EXPECT_TRUE(Contains(lines, "(2) This subgroup is the commutator subgroup of |%b|Z|@1||/b|."));
}

TEST(SubgroupPanelText, PartialListHasNoCalculators) {
    TestProgress progress;
    SubgroupLogic logic;
    logic.FindAllSubgroups(spec("S5"), progress, kSubgroupPanelLimit);
    std::vector<std::string> lines = SubgroupPanelLines(logic, logic.NameAndRegister({}), true);
    EXPECT_EQ(lines[0], "Subgroups of S|@5| (partial list):");
    // Title, headings, 60 rows and the note on the commutator subgroup (the
    // alternating group, met early by the search; the trivial centre is not).
    EXPECT_EQ(lines.size(), 63u);
    EXPECT_EQ(lines.back(), "(2) This subgroup is the commutator subgroup of |%b|S|@5||/b|.");
    EXPECT_FALSE(Contains(lines, kCentralizerCalculator));
}

TEST(ClassesPanelText, SymmetricGroupOfDegreeThreeInOriginalNames) {
    TestProgress progress;
    GroupPtr g = spec("S3");
    ConjugacyClasses c = ComputeConjugacyClasses(*g, true, progress);
    std::vector<std::string> lines = ClassesPanelLines(*g, c);
    EXPECT_EQ(lines[0], "Conjugacy Classes for S|@3|:");
    EXPECT_EQ(lines[1], "NOTE:  Each permutation (123 over 999) is abbreviated as 999.");
    EXPECT_EQ(lines[2], "|%b|Conjugacy Class Cl(123) contains:|/b|");
    EXPECT_TRUE(Contains(lines, "   213 = 231 |.| 132 |.| 312, where 231 is the inverse of 312"));
    EXPECT_TRUE(Contains(lines, "   231 = (123)   partition 3 = 3"));
    std::vector<std::string> eq = EquationLines(ClassEquation(*g, c));
    EXPECT_EQ(eq[0], "|%b|Class equation of G = S|@3||/b|:");
    EXPECT_EQ(eq[1], "o(G) = o(G)/o(Z(123)) + o(G)/o(Z(132)) + o(G)/o(Z(231))");
    EXPECT_EQ(eq[2], "   6 = 6/6 + 6/2 + 6/3");
    EXPECT_EQ(eq[3], "     = 1 + 3 + 2");
    EXPECT_EQ(lines.back(), eq[3]);
}

TEST(ClassesPanelText, ReductiveNamesHaveNoPermutationLines) {
    TestProgress progress;
    GroupPtr g = spec("S4");
    std::vector<std::string> lines = ClassesPanelLines(*g, ComputeConjugacyClasses(*g, false, progress));
    EXPECT_EQ(lines[1], "|%b|Conjugacy Class Cl(1) contains:|/b|");
    EXPECT_EQ(lines[2], "   1 = 1 |.| 1 |.| 1, where 1 is the inverse of 1");
    EXPECT_FALSE(ShowsPermutations(*g, false));
    EXPECT_TRUE(ShowsPermutations(*dihedral(4), true));
}

TEST(ClassesPanelText, HaltStopsAfterTheCurrentMemberAndEndsWithTheHaltLine) {
    TestProgress progress(5);
    GroupPtr g = spec("S4");
    const ConjugacyClasses c = ComputeConjugacyClasses(*g, false, progress);
    EXPECT_TRUE(c.halted);
    int members = 0;
    for (const ConjugacyClass& k : c.classes) members += k.Size();
    EXPECT_EQ(members, 5);
    std::vector<std::string> lines = ClassesPanelLines(*g, c);
    EXPECT_EQ(lines.back(), "Conjugacy class computation halted.");
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.find("Class equation") != std::string::npos; }),
              0);
}

TEST(SubgroupClassesPanelText, CountingEquationOfTheSymmetricGroupOfDegreeThree) {
    TestProgress progress;
    GroupPtr g = spec("S3");
    SubgroupLogic logic;
    logic.FindAllSubgroups(g, progress);
    std::vector<std::string> names;
    for (const std::string& id : logic.NameAndRegister({})) names.push_back(ShortSubgroupName(id));
    SubgroupClasses c = ComputeSubgroupConjugacyClasses(*g, logic.Memberships(), progress);
    std::vector<std::string> lines = SubgroupClassesPanelLines(*g, names, c, false);
    EXPECT_EQ(lines[0], "Subgroup Conjugacy Classes for S|@3|:");
    EXPECT_EQ(lines[1], "|%b|Subgroup Conjugacy Class Cl(Subgroup1-1) contains:|/b|");
    EXPECT_EQ(lines[2], "   |%b|Subgroup1-1|/b| = 1 |.| |%b|Subgroup1-1|/b| |.| 1, where 1 is the inverse of 1");
    EXPECT_EQ(lines[lines.size() - 4], "|%b|Number of subgroups for G = S|@3||/b|:");
    EXPECT_EQ(lines[lines.size() - 2], "                  6 = 6/6 + 6/2 + 6/6 + 6/6");
    EXPECT_EQ(lines.back(), "                    = 1 + 3 + 1 + 1");
}

}  // namespace
}  // namespace quorix::testing
