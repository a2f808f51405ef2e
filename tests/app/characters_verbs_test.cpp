// The characters and sylow verbs: their JSON keys and plain output.

#include <gtest/gtest.h>

#include "run_tool.h"

namespace quorix::testing {
namespace {

TEST(CharactersVerbTest, JsonHoldsClassesCharactersAndExactValues) {
    const ToolResult r = runTool("characters A5 --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const nlohmann::json j = nlohmann::json::parse(r.out);
    ASSERT_EQ(j["classes"].size(), 5u);
    EXPECT_EQ(j["classes"][3]["size"], 12);
    EXPECT_EQ(j["classes"][3]["order"], 5);
    EXPECT_EQ(j["classes"][3]["centralizer"], 5);
    const nlohmann::json& chi = j["characters"][1];
    EXPECT_EQ(chi["degree"], 3);
    EXPECT_EQ(chi["indicator"], 1);
    EXPECT_EQ(chi["kernel_order"], 1);
    EXPECT_EQ(chi["real"], true);
    EXPECT_EQ(chi["rational"], false);
    EXPECT_EQ(chi["values"][3]["exact"], "(1-√5)/2");
    EXPECT_NEAR(chi["values"][3]["re"].get<double>(), -0.618034, 1e-6);
    EXPECT_EQ(j["checks"]["row_orthogonality"], true);
}

TEST(CharactersVerbTest, PlainTableWithLegendAndChecks) {
    const ToolResult r = runTool("characters Z8");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("ζ_8 = e^(2πi/8)"), std::string::npos);
    EXPECT_NE(r.out.find("= 8 = |G|"), std::string::npos);
    EXPECT_NE(r.out.find("Row orthogonality"), std::string::npos);
    const ToolResult latex = runTool("characters S3 --latex");
    EXPECT_NE(latex.out.find("$\\chi_{3}$ & $2$ & $0$ & $-1$ \\\\"), std::string::npos);
}

TEST(SylowVerbTest, OneObjectPerPrime) {
    const ToolResult r = runTool("sylow S4 --json --all");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const nlohmann::json j = nlohmann::json::parse(r.out);
    ASSERT_EQ(j.size(), 2u);
    EXPECT_EQ(j[0]["p"], 2);
    EXPECT_EQ(j[0]["order"], 8);
    EXPECT_EQ(j[0]["count"], 3);
    EXPECT_EQ(j[0]["normal"], false);
    EXPECT_EQ(j[0]["elements"].size(), 8u);
    EXPECT_EQ(j[0]["conjugates"].size(), 3u);
    EXPECT_EQ(j[1]["count"], 4);
    const ToolResult plain = runTool("sylow Z6");
    EXPECT_NE(plain.out.find("n_3 = 1 ≡ 1 (mod 3), and 1 divides 6/3 = 2"), std::string::npos);
}

}  // namespace
}  // namespace quorix::testing
