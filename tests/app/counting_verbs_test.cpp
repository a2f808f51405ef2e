// The count, cycleindex and colourings verbs: JSON numbers small and large,
// weights, refusals with exit code 2.

#include <gtest/gtest.h>

#include "run_tool.h"

namespace quorix::testing {
namespace {

TEST(CountingVerbTest, CountJsonSmallAndLargeNumbers) {
    ToolResult r = runTool("count cube-faces --colours 3 --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    nlohmann::json j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["count"], 57);
    EXPECT_EQ(j["group_order"], 24);
    ASSERT_EQ(j["burnside"].size(), 5u);
    EXPECT_EQ(j["burnside"][0]["fixed"], 729);
    EXPECT_EQ(j["burnside"][0]["cycle_type"], "1^6");

    r = runTool("count 'icosahedron-faces' --colours 30 --reflections --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    j = nlohmann::json::parse(r.out);
    EXPECT_TRUE(j["count"].is_string());
    EXPECT_EQ(j["group_order"], 120);

    r = runTool("count 'bracelet(10)' --colours 3 --json");
    EXPECT_EQ(nlohmann::json::parse(r.out)["count"], 3210);
    r = runTool("count cube-faces --weights 3,3 --json");
    EXPECT_EQ(nlohmann::json::parse(r.out)["count"], 2);
    r = runTool("count perm:2341 --colours 2");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("(16 + 2 + 4 + 2)/4 = 24/4 = 6"), std::string::npos) << r.out;
    // The same group in cycle notation; a 3-cycle times a transposition on
    // five points (cyclic of order 6).
    r = runTool("count 'perm:(1,2,3,4)' --colours 2");
    EXPECT_NE(r.out.find("24/4 = 6"), std::string::npos) << r.out << r.err;
    r = runTool("count 'perm:(1,2,3)(4,5)' --colours 2 --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(nlohmann::json::parse(r.out)["count"], 12);
}

// `orbits OBJECT --colours K` lists what `colourings` lists; without
// --colours it stays the permutation group's point orbits.
TEST(CountingVerbTest, OrbitsWithColoursAreTheColourings) {
    const ToolResult listed = runTool("colourings 'bracelet(6)' --colours 2 --json");
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_EQ(runTool("orbits 'bracelet(6)' --colours 2 --json").out, listed.out);
    EXPECT_EQ(runTool("orbits 'perm:(1,2),(4,5)'").out, "1, 2\n3\n4, 5\n");
    EXPECT_EQ(runTool("orbits M11 --reflections").exitCode, 2);
}

TEST(CountingVerbTest, CycleIndexAndColourings) {
    ToolResult r = runTool("cycleindex 'necklace(4)' --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const nlohmann::json j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["cycle_index"], "(1/4)(x1^4 + x2^2 + 2 x4)");
    EXPECT_EQ(j["terms"][2]["coefficient"], "1/2");

    r = runTool("colourings 'bracelet(10)' --colours 3 --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const nlohmann::json list = nlohmann::json::parse(r.out);
    ASSERT_EQ(list["colourings"].size(), 3210u);
    EXPECT_EQ(list["colourings"][1]["colours"], (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 2}));
    EXPECT_EQ(list["colourings"][1]["orbit_size"], 10);
}

TEST(CountingVerbTest, BadInputExitsWithTwo) {
    for (const char* args :
         {"count Q8 --colours 2", "count cube-faces", "count cube-faces --colours 0", "count cube-faces --weights 3,x",
          "count cube-faces --colours 2 --weights 1,2,3", "count cube-faces --weights 1,2",
          "count S3 --colours 2 --reflections", "colourings 'necklace(20)' --colours 5", "cycleindex 'necklace(0)'"}) {
        const ToolResult r = runTool(args);
        EXPECT_EQ(r.exitCode, 2) << args;
        EXPECT_FALSE(r.err.empty()) << args;
        EXPECT_TRUE(r.out.empty()) << args;
    }
}

}  // namespace
}  // namespace quorix::testing
