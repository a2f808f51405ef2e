#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/storage/temp_dir.h"
#include "run_tool.h"

using quorix::testing::runTool;

TEST(IdentifyVerb, CatalogueNumberAndNameOrNullBeyondTwenty) {
    auto r = runTool("identify Z2xZ8 S4 --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = quorix::testing::jsonLines(r.out);
    ASSERT_EQ(lines.size(), 2u);
    const auto &a = lines[0], &b = lines[1];
    EXPECT_EQ(a["name"], "Z_2 x Z_8");
    EXPECT_EQ(a["catalogue"].get<std::string>().rfind("#16-", 0), 0u);
    EXPECT_TRUE(b["catalogue"].is_null());
    EXPECT_TRUE(b["name"].is_null());
}

TEST(LatticeVerb, JsonNodesEdgesAndFiles) {
    const std::string svg = std::string(::testing::TempDir()) + "quorix_lattice.svg";
    auto r = runTool("lattice S4 --json --svg " + svg);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    ASSERT_EQ(j["nodes"].size(), 30u);
    EXPECT_EQ(j["nodes"][0]["elements"].size(), 24u);
    for (const auto& e : j["edges"])
        EXPECT_GT(j["nodes"][e[0].get<int>()]["order"].get<int>(), j["nodes"][e[1].get<int>()]["order"].get<int>());
    // One line per edge, bent where it skips layers.
    const std::string picture = quorix::testing::readFile(svg);
    std::size_t lines = 0;
    for (auto at = picture.find("<polyline"); at != std::string::npos; at = picture.find("<polyline", at + 1)) ++lines;
    EXPECT_EQ(lines, j["edges"].size());
    EXPECT_EQ(j["routes"].size(), j["edges"].size());
    EXPECT_EQ(nlohmann::json::parse(runTool("lattice S4 --classes --json").out)["nodes"].size(), 11u);
}
