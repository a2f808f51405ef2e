// quorix-report search: output forms and refusal of bad input.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <cstdio>
#include <string>

namespace {

struct Result {
    int status = -1;
    std::string out;
};

Result runTool(const std::string& args) {
    Result r;
    const std::string cmd = std::string(QUORIX_REPORT_EXE) + " " + args + " 2>/dev/null";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf{};
    for (std::size_t got; (got = fread(buf.data(), 1, buf.size(), p)) > 0;) r.out.append(buf.data(), got);
    const int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

TEST(SearchVerb, JsonListsTheSolutionsAndStats) {
    const Result r = runTool("search 6 --json");
    ASSERT_EQ(r.status, 0);
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["order"], 6);
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
    Result r = runTool("search 4 --include-isomorphs --json");
    ASSERT_EQ(r.status, 0);
    auto j = nlohmann::json::parse(r.out);
    ASSERT_EQ(j["solutions"].size(), 4u);
    EXPECT_EQ(j["solutions"][3]["id"], "Group #4(4)");
    int classed = 0;
    for (const auto& s : j["solutions"]) classed += s["isomorph_of"].get<int>() > 0;
    EXPECT_EQ(classed, 2);

    // Without rule 4 the search for n = 6 runs to its end.
    r = runTool("search 6 --rules 11110 --json");
    ASSERT_EQ(r.status, 0);
    j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["solutions"].size(), 2u);
    EXPECT_GT(j["stats"]["trials"].get<int>(), 20);
}

TEST(SearchVerb, TextOutput) {
    const Result r = runTool("search 4 --stats");
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Group #4-1\n1 a b c\na 1 c b\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Solutions: 2\n"), std::string::npos);
    EXPECT_NE(r.out.find("Trials: 11\n"), std::string::npos);
    EXPECT_NE(r.out.find("Complete tables: 2\n"), std::string::npos);
}

TEST(SearchVerb, BadInputIsRefused) {
    EXPECT_EQ(runTool("search 0").status, 2);
    EXPECT_EQ(runTool("search 21").status, 2);
    EXPECT_EQ(runTool("search 6 --rules 1111").status, 2);
    EXPECT_EQ(runTool("search 6 --rules 11121").status, 2);
    EXPECT_NE(runTool("search x").status, 0);
}

}  // namespace

namespace {

TEST(SearchVerb, RegistersTheSolutionsInADirectory) {
    const std::string dir = std::string(QUORIX_BINARY_DIR) + "/search_verb_register";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    ASSERT_EQ(runTool("search 6 --register " + dir).status, 0);
    std::ifstream in(dir + "/QuorixObjects.bas");
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("0!!6!!Group #6-1!!Y"), std::string::npos) << text.str();
    EXPECT_NE(text.str().find("0!!6!!Group #6-2!!Y"), std::string::npos);
    const Result list = runTool("list --register " + dir);
    EXPECT_EQ(list.status, 0);
    EXPECT_NE(list.out.find("Group #6-2"), std::string::npos) << list.out;
    EXPECT_EQ(runTool("search 6 --register " + dir + "/missing").status, 2);
}

}  // namespace
