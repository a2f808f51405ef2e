// quorix-report search: output forms and refusal of bad input.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

#include "core/storage/temp_dir.h"
#include "run_tool.h"

namespace {

using quorix::testing::runTool;

TEST(SearchVerb, JsonListsTheSolutionsAndStats) {
    const auto r = runTool("search 6 --json");
    ASSERT_EQ(r.exitCode, 0);
    const auto j = nlohmann::json::parse(r.out);
    ASSERT_EQ(j["solutions"].size(), 2u);
    EXPECT_EQ(j["solutions"][0]["id"], "Group #6-1");
    EXPECT_EQ(j["solutions"][1]["id"], "Group #6-2");
    EXPECT_EQ(j["solutions"][1]["isomorph_of"], 0);
    const auto& t = j["solutions"][0]["table"];
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[0], (nlohmann::json{"1", "a", "b", "c", "d", "e"}));
    EXPECT_EQ(t[3][0], "c");
    EXPECT_EQ(j["stats"]["trials"], 20);
    EXPECT_EQ(j["stats"]["complete_tables"], 2);
}

TEST(SearchVerb, IsomorphsAndRules) {
    auto j = nlohmann::json::parse(runTool("search 4 --include-isomorphs --json").out);
    ASSERT_EQ(j["solutions"].size(), 4u);
    EXPECT_EQ(j["solutions"][3]["id"], "Group #4(4)");
    EXPECT_GT(j["solutions"][3]["isomorph_of"].get<int>(), 0);
    // Without rule 4 the search for n = 6 runs to its end.
    j = nlohmann::json::parse(runTool("search 6 --rules 11110 --json").out);
    EXPECT_EQ(j["solutions"].size(), 2u);
    EXPECT_GT(j["stats"]["trials"].get<int>(), 20);
}

TEST(SearchVerb, TextOutput) {
    const auto r = runTool("search 4 --stats");
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("Group #4-1\n1 a b c\na 1 c b\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Solutions: 2\n"), std::string::npos);
    EXPECT_NE(r.out.find("Trials: 11\n"), std::string::npos);  // the other counts: the search's tests
}

TEST(SearchVerb, RegistersTheSolutionsInADirectory) {
    quorix::testing::TempDir temp;
    const std::string dir = temp.path().string();
    ASSERT_EQ(runTool("search 6 --register " + dir).exitCode, 0);
    const std::string text = quorix::testing::readFile(temp.path() / "QuorixObjects.bas");
    EXPECT_NE(text.find("0!!6!!Group #6-1!!Y"), std::string::npos) << text;
    EXPECT_NE(text.find("0!!6!!Group #6-2!!Y"), std::string::npos);
    const auto list = runTool("list --register " + dir);
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_NE(list.out.find("Group #6-2"), std::string::npos) << list.out;
    EXPECT_EQ(runTool("search 6 --register " + dir + "/missing").exitCode, 2);
}

}  // namespace
