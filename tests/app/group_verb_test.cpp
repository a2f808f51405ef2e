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
