#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/storage/temp_dir.h"
#include "run_tool.h"

using quorix::testing::jsonLines;
using quorix::testing::runTool;

TEST(FactsVerb, JsonLinePerGroupWithEveryKey) {
    auto r = runTool("facts S4 A5 S3 Z2xZ2xZ2 --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    auto objects = jsonLines(r.out);
    ASSERT_EQ(objects.size(), 4u);
    const auto& s4 = objects[0];
    for (const char* key : {"id",
                            "order",
                            "abelian",
                            "cyclic",
                            "dihedral",
                            "solvable",
                            "element_orders",
                            "subgroups",
                            "normal",
                            "subgroup_orders",
                            "center",
                            "commutator",
                            "classes",
                            "class_sizes",
                            "subgroup_classes",
                            "subgroup_class_sizes",
                            "composition_factors",
                            "aut",
                            "inn",
                            "isomorphic_to"})
        EXPECT_TRUE(s4.contains(key)) << key;
    // The values are the engine's (tested with it); here their JSON forms.
    EXPECT_EQ(s4["id"], "S4");
    EXPECT_EQ(s4["element_orders"], nlohmann::json({{1, 1}, {2, 9}, {3, 8}, {4, 6}}));
    EXPECT_TRUE(s4["aut"].is_null());  // beyond the automorphism limit
    EXPECT_EQ(s4["isomorphic_to"], nlohmann::json({"S4"}));
    EXPECT_EQ(objects[1]["solvable"], false);
    EXPECT_EQ(objects[2]["isomorphic_to"], nlohmann::json({"S3", "Rows(S3)", "Columns(S3)"}));
    EXPECT_EQ(objects[3]["aut"], 168);
    EXPECT_EQ(objects[3]["name"], "Z_2^3");
    EXPECT_EQ(objects[3]["isomorphic_to"], nlohmann::json({"Z24*", "Z2xZ2xZ2", "Rows(Z2xZ2xZ2)"}));
}

TEST(FactsVerb, TextNotesTheKleinFourGroup) {
    auto r = runTool("facts Z2xZ2");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("dihedral: no (Klein four-group)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("subgroups: 5"), std::string::npos);
}

TEST(AnalysisVerbs, SubgroupListWithClassesInPlainText) {
    auto r = runTool("subgroups S3 --classes");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Subgroups of S3:"), std::string::npos) << r.out;
    // Exponents read as such, and the table's columns line up.
    EXPECT_NE(r.out.find("Subgroup ID       Order   Normal Subgroup?   Elements\n"
                         "Subgroup1-1(S3)   1       Yes(1)             {1}\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Subgroup3-1(S3)   3       Yes(2)             {1, A, A^2}\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("(1) This subgroup is the center of S3."), std::string::npos);
    EXPECT_NE(r.out.find("Subgroup Conjugacy Class Cl(Subgroup2-1) contains:"), std::string::npos);
    EXPECT_EQ(r.out.find('|'), std::string::npos);
}

TEST(AnalysisVerbs, SubgroupPanelLimitAndNoLimit) {
    auto limited = runTool("subgroups S5");
    ASSERT_EQ(limited.exitCode, 0);
    EXPECT_NE(limited.out.find("Subgroups of S5 (partial list):"), std::string::npos);
    EXPECT_NE(limited.err.find("Limit of 60 reached."), std::string::npos);
    auto all = runTool("subgroups S5 --no-limit");
    ASSERT_EQ(all.exitCode, 0);
    EXPECT_NE(all.out.find("Subgroup120-1(S5)"), std::string::npos);
}

TEST(AnalysisVerbs, ClassesSeriesAndQuotient) {
    auto classes = runTool("classes S4");
    ASSERT_EQ(classes.exitCode, 0) << classes.err;
    EXPECT_NE(classes.out.find("Class equation of G = S4:"), std::string::npos);
    auto series = runTool("series A5");
    ASSERT_EQ(series.exitCode, 0) << series.err;
    EXPECT_NE(series.out.find("Composition Factor:  60/1 = 60 (non-prime)"), std::string::npos) << series.out;
    EXPECT_NE(series.out.find("Therefore A5 is not solvable."), std::string::npos);
    auto quotient = runTool("quotient Z4 Subgroup2-1");
    ASSERT_EQ(quotient.exitCode, 0) << quotient.err;
    EXPECT_NE(quotient.out.find("NA = {A, A^3}"), std::string::npos) << quotient.out;
    const auto table = runTool("quotient S4 Subgroup4-3").out;
    EXPECT_NE(table.find("G/N:\n        N     NA    NB    NAB   NBA   NABA\nN :     N     NA    NB"), std::string::npos)
        << table;
}

TEST(AnalysisVerbs, QuotientRefusesUnknownAndNonNormalSubgroups) {
    auto unknown = runTool("quotient S3 Subgroup9-1");
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.err.find("is not a subgroup ID of S3"), std::string::npos) << unknown.err;
    auto notNormal = runTool("quotient S3 Subgroup2-1");
    EXPECT_EQ(notNormal.exitCode, 2);
    EXPECT_NE(notNormal.err.find("is not a normal subgroup"), std::string::npos);
}

TEST(AnalysisVerbs, SaveRegistersDerivedGroupsForLaterUse) {
    quorix::testing::TempDir temp;
    const std::string dir = temp.path().string();
    ASSERT_EQ(runTool("subgroups S3 --register " + dir + " --save").exitCode, 0);
    ASSERT_EQ(runTool("series S4 --register " + dir + " --save").exitCode, 0);
    auto list = runTool("list --register " + dir);
    EXPECT_NE(list.out.find("Subgroup3-1(S3)"), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("N2(S4)"), std::string::npos) << list.out;
    auto facts = runTool("facts 'N2(S4)' --register " + dir + " --json");
    ASSERT_EQ(facts.exitCode, 0) << facts.err;
    EXPECT_EQ(nlohmann::json::parse(facts.out)["order"], 4);
    EXPECT_EQ(runTool("subgroups S3 --save").exitCode, 2);
}
