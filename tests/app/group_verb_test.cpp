#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "run_tool.h"

using quorix::testing::runTool;

TEST(GroupVerb, ElementsAndTableAsTextAndJson) {
    auto r = runTool("group Z2xZ4");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("ID Z2xZ4"), std::string::npos);
    EXPECT_NE(r.out.find("order 8"), std::string::npos);
    EXPECT_NE(r.out.find("AB^3"), std::string::npos);
    auto j = nlohmann::json::parse(runTool("group S3 --json").out);
    EXPECT_EQ(j["id"], "S3");
    ASSERT_EQ(j["elements"].size(), 6u);
    EXPECT_EQ(j["elements"][1]["source"], "231");
    EXPECT_EQ(j["elements"][1]["name"], "A");
    EXPECT_EQ(j["elements"][1]["order"], 3);
    EXPECT_EQ(j["table"][1][2], "1");  // A times A^2
}

// Past 120 elements the table is left out unless asked for; the elements
// are always listed.
TEST(GroupVerb, ALargeGroupsTableOnlyWhenAskedFor) {
    auto r = runTool("group 'PSL(2,7)'");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("The Cayley table (28224 products) is not printed"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("Cayley table (row times column)"), std::string::npos);
    auto j = nlohmann::json::parse(runTool("group 'PSL(2,7)' --json").out);
    EXPECT_EQ(j["elements"].size(), 168u);
    EXPECT_TRUE(j["table"].is_null());
    j = nlohmann::json::parse(runTool("group 'PSL(2,7)' --json --full-table").out);
    ASSERT_EQ(j["table"].size(), 168u);
    EXPECT_EQ(j["table"][0][5], j["elements"][5]["plain"]);
}
