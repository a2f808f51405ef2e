#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>

#include "core/storage/temp_dir.h"
#include "run_tool.h"

using quorix::testing::runTool;

TEST(TableVerb, CosetsOfANormalSubgroupFormTheQuotientTable) {
    auto r = runTool("table S4 --by Subgroup4-3 --colours --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["blockSize"], 4);
    EXPECT_TRUE(j["blocksFormTable"]);
    EXPECT_EQ(j["blockTable"].size(), 6u);
    EXPECT_EQ(j["colours"].size(), 24u);
    EXPECT_EQ(j["rows"].size(), 24u);

    auto latex = runTool("table S3 --by 1,A,A^2 --latex");
    ASSERT_EQ(latex.exitCode, 0) << latex.err;
    EXPECT_NE(latex.out.find("\\begin{tabular}{c|ccc|ccc}"), std::string::npos);
}

TEST(TableVerb, SvgFileAndRefusedSubgroups) {
    const quorix::testing::TempDir temp;
    const std::string path = (temp.path() / "table_verb.svg").string();
    auto r = runTool("table S3 --svg " + path);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string svg = quorix::testing::readFile(path);
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
    std::remove(path.c_str());

    // PNG pictures need Qt, which the sanitizer build leaves out.
    const std::string png = (temp.path() / "table_verb.png").string();
    auto p = runTool("table S4 --colours --png " + png);
    if (p.err.find("desktop program") == std::string::npos) {
        ASSERT_EQ(p.exitCode, 0) << p.err;
        EXPECT_EQ(quorix::testing::readFile(png).substr(0, 8), "\x89PNG\r\n\x1a\n");
        std::remove(png.c_str());
    }

    EXPECT_EQ(runTool("table S3 --by 1,A").exitCode, 2);
    EXPECT_EQ(runTool("table S3 --by 1,Q").exitCode, 2);
}
