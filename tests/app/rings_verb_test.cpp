// quorix-report rings: the rings of every abelian group of order 4 as JSON,
// and the refusals.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "run_tool.h"

using quorix::testing::runTool;

TEST(RingsVerb, OrderFourAsJsonAndBadInput) {
    const auto r = runTool("rings --order 4 --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["count"], 11);    // 3 on Z4, 8 on Z2xZ2
    EXPECT_EQ(j["with_one"], 4);  // Z4; F4, Z2xZ2, Z2[x]/(x^2)
    ASSERT_EQ(j["rings"].size(), 11u);
    int fields = 0;
    for (const auto& ring : j["rings"]) {
        EXPECT_EQ(ring["table"].size(), 4u);
        fields += ring["properties"]["field"].get<bool>() ? 1 : 0;
    }
    EXPECT_EQ(fields, 1);

    const auto s3 = runTool("rings S3");
    EXPECT_EQ(s3.exitCode, 2);
    EXPECT_NE(s3.err.find("not abelian"), std::string::npos);
    EXPECT_EQ(runTool("rings Z21").exitCode, 2);
    EXPECT_EQ(runTool("rings --order 32").exitCode, 2);
}
