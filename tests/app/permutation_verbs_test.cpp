// The verbs of permutation groups of any size, through the tool.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

#include "core/perm/permutation.h"
#include "core/perm/perm_spec.h"
#include "run_tool.h"

using quorix::testing::jsonLines;
using quorix::testing::runTool;

TEST(PermutationVerbs, FactsPastTheTableLimitWithBigOrdersAsStrings) {
    auto r = runTool("facts Rubik M11 S100 --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    auto objects = jsonLines(r.out);
    ASSERT_EQ(objects.size(), 3u);
    EXPECT_EQ(objects[0]["order"], "43252003274489856000");  // past 2^53: a string
    EXPECT_EQ(objects[0]["order_factorised"], "2^27 * 3^14 * 5^3 * 7^2 * 11");
    EXPECT_EQ(objects[0]["orbits"], nlohmann::json({24, 24}));
    EXPECT_EQ(objects[0]["center"], 2);
    EXPECT_EQ(objects[0]["commutator"], "21626001637244928000");
    EXPECT_EQ(objects[0]["transitive"], false);
    EXPECT_EQ(objects[1]["order"], 7920);  // below 2^53: an integer
    EXPECT_EQ(objects[1]["solvable"], false);
    EXPECT_EQ(objects[1]["degree"], 11);
    EXPECT_EQ(objects[2]["center"], 1);
    EXPECT_EQ(objects[2]["base"].size(), 99u);
    // A group within the table limit keeps the table facts; in cycle
    // notation the action's facts join them.
    r = runTool("facts S4 'perm:(1,2,3),(5,6)' --json");
    const auto small = jsonLines(r.out);
    ASSERT_EQ(small.size(), 2u);
    EXPECT_FALSE(small[0].contains("orbits"));
    EXPECT_EQ(small[1]["order"], 6);
    EXPECT_TRUE(small[1].contains("subgroups"));
    EXPECT_EQ(small[1]["orbits"], nlohmann::json({3, 1, 2}));
}

TEST(PermutationVerbs, ContainsWithWordsThatMultiplyOut) {
    auto r = runTool("contains Rubik '(7,18)' '(7,18)(2,34)' '()' --word --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto answers = nlohmann::json::parse(r.out);
    ASSERT_EQ(answers.size(), 3u);
    EXPECT_FALSE(answers[0]["member"]);
    EXPECT_TRUE(answers[0]["word"].is_null());
    EXPECT_TRUE(answers[1]["member"]);
    EXPECT_EQ(answers[2]["word"], "1");
    // The word of the two flips, multiplied out in the cube's moves.
    const auto spec = *quorix::perm::ReadPermSpec("Rubik");
    quorix::perm::Perm p = quorix::perm::Identity(48);
    std::istringstream letters(answers[1]["word"].get<std::string>());
    for (std::string letter; letters >> letter;) {
        const std::size_t hat = letter.find('^');
        const std::string name = letter.substr(0, hat);
        const long long e = hat == std::string::npos ? 1 : std::stoll(letter.substr(hat + 1));
        const auto at = std::find(spec.names.begin(), spec.names.end(), name) - spec.names.begin();
        p = quorix::perm::Multiply(p, quorix::perm::Power(spec.generators[static_cast<std::size_t>(at)], e));
    }
    EXPECT_EQ(quorix::perm::CycleString(p), "(2,34)(7,18)");

    r = runTool("contains M12 '(1,2)' 21345 --json");
    EXPECT_EQ(nlohmann::json::parse(r.out), nlohmann::json({false, false}));
}

TEST(PermutationVerbs, OrbitsStabilizerRandomAndErrors) {
    auto r = runTool("orbits 'perm:(1,2),(4,5)' --json");
    EXPECT_EQ(nlohmann::json::parse(r.out), nlohmann::json({{1, 2}, {3}, {4, 5}}));
    r = runTool("stabilizer M24 1 2 --json");
    EXPECT_EQ(nlohmann::json::parse(r.out)["order"], 443520);
    r = runTool("random A50 --count 3 --seed 4");
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);
    EXPECT_EQ(r.out, runTool("random A50 --count 3 --seed 4").out);
    for (const char* bad :
         {"orbits Z5", "stabilizer S5 6", "contains S5 '(1,2'", "facts 'perm:(1,2)(3'", "table Rubik"}) {
        r = runTool(bad);
        EXPECT_EQ(r.exitCode, 2) << bad;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << bad << r.err;
    }
}
