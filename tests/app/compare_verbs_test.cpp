#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/storage/temp_dir.h"
#include "run_tool.h"

using quorix::testing::readFile;
using quorix::testing::runTool;
using quorix::testing::TempDir;
using quorix::testing::writeFile;

TEST(CompareVerb, EqualAndDifferentOrdersAsJson) {
    auto iso = runTool("compare S3 perm:213,231 --json");
    ASSERT_EQ(iso.exitCode, 0) << iso.err;
    auto j = nlohmann::json::parse(iso.out);
    EXPECT_EQ(j["isomorphic"], true);
    EXPECT_EQ(j["mapping"].size(), 6u);
    EXPECT_TRUE(j["homomorphism"].is_null());

    auto not_iso = nlohmann::json::parse(runTool("compare Z4 Z2xZ2 --json").out);
    EXPECT_EQ(not_iso["isomorphic"], false);
    EXPECT_TRUE(not_iso["mapping"].is_null());

    auto hom = nlohmann::json::parse(runTool("compare S3 S4 --json").out);
    EXPECT_TRUE(hom["isomorphic"].is_null());
    EXPECT_EQ(hom["homomorphism"], true);
    EXPECT_EQ(hom["source"], "S4");
    EXPECT_EQ(hom["mapping"].size(), 24u);
    EXPECT_EQ(hom["isomorphic_subgroups"][0], "Subgroup6-1(S4)");  // the others: the engine's tests

    auto none = nlohmann::json::parse(runTool("compare Z6 Z4 --json").out);
    EXPECT_EQ(none["homomorphism"], false);
    EXPECT_TRUE(none["mapping"].is_null());
    EXPECT_TRUE(none["isomorphic_subgroups"].empty());
}

TEST(CompareVerb, Text) {
    auto r = runTool("compare S4 S3");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("There exists at least one homomorphism from S4 onto S3."), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Subgroup6-4(S4) = {"), std::string::npos);
    EXPECT_NE(runTool("compare U8 Z2xZ2").out.find("Z_8^* has order 4.\nZ2xZ2 has order 4.\n"), std::string::npos);
}

TEST(AutomorphismsVerb, CountsCodesAndTheLimit) {
    auto z5 = nlohmann::json::parse(runTool("automorphisms Z5 --json").out);
    EXPECT_EQ(z5["aut"], 4);
    EXPECT_EQ(z5["inn"], 1);
    EXPECT_EQ(z5["automorphisms"][0]["code"], "13524");  // the codes themselves: the engine's tests
    EXPECT_EQ(z5["automorphisms"][3]["representative"], "0");

    auto cube = nlohmann::json::parse(runTool("automorphisms Z2xZ2xZ2 --json").out);
    EXPECT_TRUE(cube["aut"].is_null());
    EXPECT_EQ(cube["aut_text"], "more than 120");
    EXPECT_EQ(cube["automorphisms"].size(), 121u);

    auto text = runTool("automorphisms S3");
    EXPECT_NE(text.out.find("No other automorphisms found."), std::string::npos);
    EXPECT_NE(text.out.find("|Aut(S3)| = 6"), std::string::npos);

    auto big = runTool("automorphisms Z16");
    EXPECT_EQ(big.exitCode, 2);
    EXPECT_NE(big.err.find("Order of chosen group exceeds program limit of 15."), std::string::npos);
}

TEST(ViewVerb, AppendsDocumentsWithTheirAnchors) {
    TempDir dir;
    const std::string path = (dir.path() / "view.html").string();
    auto first = runTool("view S3 -o " + path);
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out.rfind(path + "#", 0), 0u);
    auto second = runTool("view 'Aut(S3)' -o " + path + " --components 0000000");
    ASSERT_EQ(second.exitCode, 0) << second.err;
    const std::string html = readFile(path);
    std::size_t docs = 0;
    for (std::size_t p = html.find("<html><body>"); p != std::string::npos; p = html.find("<html><body>", p + 1))
        ++docs;
    EXPECT_EQ(docs, 2u);
    EXPECT_NE(html.find("is solvable."), std::string::npos);  // the default components include the series

    EXPECT_EQ(runTool("view S3 -o " + path + " --components 10x1001").exitCode, 2);
    EXPECT_EQ(runTool("view 'Aut(Z16)' -o " + path).exitCode, 2);
    EXPECT_EQ(readFile(path), html);
}

TEST(SummaryVerb, WritesThePageAndPrintsItsAnchor) {
    TempDir dir;
    const std::string path = (dir.path() / "summary.html").string();
    auto r = runTool("summary 4 -o " + path);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.rfind("2 solution(s); " + path + "#", 0), 0u);
    EXPECT_NE(readFile(path).find("<center><b>GROUPS OF ORDER 4</b></center><p>"), std::string::npos);
}

TEST(ViewVerb, PreferencesGiveTheDefaultComponents) {
    TempDir dir;
    writeFile(dir.path() / "QuorixPreferences.bas",
              "062011\r\nOGGOROR1ROR\r\n1011000\r\n0000000\r\n1011001\r\n1011001\r\n1011000\r\n1011000\r\n1011001\r\n10"
              "11001\r\n");
    const std::string path = (dir.path() / "v.html").string();
    ASSERT_EQ(runTool("view S3 -o " + path + " --preferences " + dir.path().string()).exitCode, 0);
    const std::string html = readFile(path);
    EXPECT_EQ(html.find("<table"), std::string::npos);  // symmetric view: nothing but the title
    EXPECT_NE(html.find("Symmetric Group of Degree 3"), std::string::npos);
}
