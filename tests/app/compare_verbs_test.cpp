#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "run_tool.h"

using quorix::testing::runTool;

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
    EXPECT_EQ(hom["isomorphic_subgroups"].size(), 4u);
    EXPECT_EQ(hom["isomorphic_subgroups"][0], "Subgroup6-1(S4)");

    auto none = nlohmann::json::parse(runTool("compare Z6 Z4 --json").out);
    EXPECT_EQ(none["homomorphism"], false);
    EXPECT_TRUE(none["mapping"].is_null());
    EXPECT_TRUE(none["isomorphic_subgroups"].empty());

    auto trivial = nlohmann::json::parse(runTool("compare A4 Z1 --json").out);
    EXPECT_EQ(trivial["mapping"], nlohmann::json(std::vector<int>(12, 1)));
    EXPECT_EQ(trivial["isomorphic_subgroups"], nlohmann::json({"Subgroup1-1(A4)"}));
}

TEST(CompareVerb, TextAndBadInput) {
    auto r = runTool("compare S4 S3");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("There exists at least one homomorphism from S4 onto S3."), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Subgroup6-4(S4) = {"), std::string::npos);
    EXPECT_NE(runTool("compare U8 Z2xZ2").out.find("Z_8^* has order 4.\nZ2xZ2 has order 4.\n"), std::string::npos);
    auto bad = runTool("compare S3 Q9");
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.out.empty());
}

TEST(AutomorphismsVerb, CountsCodesAndTheLimit) {
    auto z5 = nlohmann::json::parse(runTool("automorphisms Z5 --json").out);
    EXPECT_EQ(z5["aut"], 4);
    EXPECT_EQ(z5["inn"], 1);
    std::vector<std::string> codes;
    for (const auto& e : z5["automorphisms"]) codes.push_back(e["code"]);
    EXPECT_EQ(codes, (std::vector<std::string>{"13524", "14253", "15432", "12345"}));
    EXPECT_EQ(z5["automorphisms"][3]["representative"], "0");

    auto q8 = nlohmann::json::parse(runTool("automorphisms perm:23416785,58763214 --json").out);
    EXPECT_EQ(q8["aut"], 24);
    EXPECT_EQ(q8["inn"], 4);

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

namespace {
std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}
}  // namespace

TEST(ViewVerb, AppendsDocumentsWithTheirAnchors) {
    const std::string path = std::string(::testing::TempDir()) + "quorix_view_verb.html";
    std::remove(path.c_str());
    auto first = runTool("view S3 -o " + path);
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out.rfind(path + "#", 0), 0u);
    auto second = runTool("view 'Aut(S3)' -o " + path + " --components 0000000");
    ASSERT_EQ(second.exitCode, 0) << second.err;
    const std::string html = ReadFile(path);
    std::size_t docs = 0;
    for (std::size_t p = html.find("<html><body>"); p != std::string::npos; p = html.find("<html><body>", p + 1)) ++docs;
    EXPECT_EQ(docs, 2u);
    EXPECT_NE(html.find("Symmetric Group of Degree 3"), std::string::npos);
    EXPECT_NE(html.find("is solvable."), std::string::npos);  // the default components include the series
    EXPECT_NE(html.find("<center><b>Automorphism Group</b>"), std::string::npos);
    EXPECT_EQ(html.find('|'), std::string::npos);

    EXPECT_EQ(runTool("view S3 -o " + path + " --components 10x1001").exitCode, 2);
    EXPECT_EQ(runTool("view 'Aut(Z16)' -o " + path).exitCode, 2);
    EXPECT_EQ(ReadFile(path), html);
    std::remove(path.c_str());
}

TEST(SummaryVerb, OrdersFourAndEight) {
    const std::string path = std::string(::testing::TempDir()) + "quorix_summary_verb.html";
    std::remove(path.c_str());
    auto r = runTool("summary 4 -o " + path);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.rfind("2 solution(s); " + path + "#", 0), 0u);
    std::string html = ReadFile(path);
    EXPECT_NE(html.find("<center><b>GROUPS OF ORDER 4</b></center><p>"), std::string::npos);
    EXPECT_NE(html.find("<b>Z<sub>4</sub></b>&nbsp;&nbsp;Additive Integer Group<br>"), std::string::npos);
    EXPECT_NE(html.find("Dihedral?  No (Klein four-group)<br>"), std::string::npos);
    std::remove(path.c_str());

    ASSERT_EQ(runTool("summary 8 -o " + path + " --components 1111111").exitCode, 0);
    html = ReadFile(path);
    int depth = 0;
    for (std::size_t p = 0; p < html.size(); ++p) {
        if (html.compare(p, 6, "<table") == 0) ++depth;
        if (html.compare(p, 8, "</table>") == 0) {
            ASSERT_GE(--depth, 0);
        }
    }
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(html.find('|'), std::string::npos);
    std::size_t lists = 0;
    for (std::size_t p = html.find("This group is isomorphic"); p != std::string::npos; p = html.find("This group is isomorphic", p + 1)) ++lists;
    EXPECT_EQ(lists, 5u);
    std::remove(path.c_str());

    EXPECT_EQ(runTool("summary 21").exitCode, 2);
}

TEST(FactsVerb, AutomorphismOrdersAndNamedGroups) {
    auto r = runTool("facts S3 Z2xZ2xZ2 S4 --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::istringstream lines(r.out);
    std::string line;
    std::vector<nlohmann::json> facts;
    while (std::getline(lines, line)) facts.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(facts.size(), 3u);
    EXPECT_EQ(facts[0]["aut"], 6);
    EXPECT_EQ(facts[0]["inn"], 6);
    EXPECT_EQ(facts[0]["isomorphic_to"], nlohmann::json({"S3", "Rows(S3)", "Columns(S3)"}));
    EXPECT_EQ(facts[1]["aut"], 168);
    EXPECT_EQ(facts[1]["inn"], 1);
    EXPECT_EQ(facts[1]["isomorphic_to"], nlohmann::json({"Z24*", "Z2xZ2xZ2", "Rows(Z2xZ2xZ2)"}));
    EXPECT_TRUE(facts[2]["aut"].is_null());
    EXPECT_TRUE(facts[2]["inn"].is_null());
    EXPECT_EQ(facts[2]["isomorphic_to"], nlohmann::json({"S4"}));
}

TEST(ViewVerb, PreferencesGiveTheDefaultComponents) {
    const std::string dir = std::string(::testing::TempDir()) + "quorix_view_prefs";
    std::filesystem::create_directories(dir);
    {
        std::ofstream p(dir + "/QuorixPreferences.bas", std::ios::binary);
        p << "062011\r\nOGGOROR1ROR\r\n1011000\r\n0000000\r\n1011001\r\n1011001\r\n1011000\r\n1011000\r\n1011001\r\n1011001\r\n";
    }
    const std::string path = dir + "/v.html";
    ASSERT_EQ(runTool("view S3 -o " + path + " --preferences " + dir).exitCode, 0);
    const std::string html = ReadFile(path);
    EXPECT_EQ(html.find("<table"), std::string::npos);  // symmetric view: nothing but the title
    EXPECT_NE(html.find("Symmetric Group of Degree 3"), std::string::npos);
    std::filesystem::remove_all(dir);
}
