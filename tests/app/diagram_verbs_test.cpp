// The diagram and cyclegraph verbs, and TikZ from the lattice and table verbs.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "run_tool.h"
#include "support/xml.h"

namespace quorix::testing {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(DiagramVerb, JsonNamesEveryNodeAndEdgeAndTheGeneratorsChosen) {
    // S4 from three generators, among them a 4-cycle given by its original name.
    auto r = runTool("diagram S4 --generators 2341,2134,1324 --layout grid --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["nodes"].size(), 24u);
    EXPECT_EQ(j["generators"].size(), 3u);
    EXPECT_TRUE(j["generates"].get<bool>());
    // 24 arrows for the 4-cycle, 12 edges for each transposition.
    EXPECT_EQ(j["edges"].size(), 24u + 12u + 12u);
    std::set<std::string> names;
    for (const auto& n : j["nodes"]) names.insert(n["element"].get<std::string>());
    for (const auto& e : j["edges"]) EXPECT_TRUE(names.count(e["source"]) && names.count(e["target"]));

    // One generator of order 3 generates a subgroup only.
    r = runTool("diagram A4 --generators 2314 --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto k = nlohmann::json::parse(r.out);
    EXPECT_FALSE(k["generates"].get<bool>());
    EXPECT_EQ(k["subgroup_order"], 3);
}

TEST(DiagramVerb, WritesSvgAndTikz) {
    std::string dir = std::string(::testing::TempDir()) + "quorix_diagram_XXXXXX";
    ASSERT_NE(mkdtemp(dir.data()), nullptr);
    const std::string svg = dir + "/a5.svg";
    auto r = runTool("diagram A5 --layout force --svg " + svg + " --tikz");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\\begin{tikzpicture}"), std::string::npos);
    const std::string text = ReadFile(svg);
    EXPECT_TRUE(wellFormedXml(text));
    std::filesystem::remove_all(dir);
}

// Width and height of a PNG file, from its header.
std::pair<long, long> PngSize(const std::string& path) {
    const std::string bytes = ReadFile(path);
    if (bytes.size() < 24) return {0, 0};
    auto word = [&](std::size_t at) {
        long v = 0;
        for (std::size_t i = 0; i < 4; ++i) v = v * 256 + static_cast<unsigned char>(bytes[at + i]);
        return v;
    };
    return {word(16), word(20)};
}

// Large pictures are scaled down to a bounded size (they once took 18,000
// pixels a side and many seconds); small ones keep their double size.
TEST(DiagramVerb, PngPicturesAreBounded) {
    if (!QUORIX_TOOL_DRAWS_PNG) GTEST_SKIP() << "this build of the tool draws no PNG";
    std::string dir = std::string(::testing::TempDir()) + "quorix_png_XXXXXX";
    ASSERT_NE(mkdtemp(dir.data()), nullptr);
    std::string many = "A";
    for (int k = 2; k <= 40; ++k) many += ",A^" + std::to_string(k);
    for (const std::string& args :
         {std::string("cyclegraph Z2xA5"), "diagram Z120 --generators " + many, std::string("cyclegraph S3")}) {
        const auto r = runTool(args + " --png " + dir + "/p.png");
        ASSERT_EQ(r.exitCode, 0) << args << r.err;
        const auto [w, h] = PngSize(dir + "/p.png");
        EXPECT_GT(w, 0) << args;
        EXPECT_LE(std::max(w, h), 8000) << args;
        EXPECT_LE(w * h, 12'000'000) << args;
        if (args == "cyclegraph S3") {
            ASSERT_EQ(runTool("cyclegraph S3 --svg " + dir + "/p.svg").exitCode, 0);
            EXPECT_NE(ReadFile(dir + "/p.svg").find("width=\"" + std::to_string(w / 2)), std::string::npos) << w;
        }
    }
    std::filesystem::remove_all(dir);
}

TEST(DiagramVerb, BadInputIsAUsageError) {
    for (const char* args :
         {"diagram S3 --generators 1", "diagram S3 --generators 213,213", "diagram S3 --generators X",
          "diagram S3 --layout circle", "diagram S3 --json --tikz", "cyclegraph Q9"}) {
        const auto r = runTool(args);
        EXPECT_EQ(r.exitCode, 2) << args;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << args << ": " << r.err;
    }
}

TEST(CycleGraphVerb, ListsTheMaximalCyclicSubgroups) {
    const auto r = runTool("cyclegraph Z2xZ6 --json");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    // Three cyclic subgroups of order 6, sharing the elements of order 3.
    ASSERT_EQ(j["cycles"].size(), 3u);
    for (const auto& c : j["cycles"]) EXPECT_EQ(c.size(), 6u);
    EXPECT_EQ(j["nodes"].size(), 12u);
}

TEST(TikzOutput, LatticeAndTableAsTikz) {
    auto r = runTool("lattice S3 --tikz");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\\begin{tikzpicture}"), std::string::npos);
    // Six subgroups of S3, one node each.
    std::size_t nodes = 0;
    for (std::size_t at = r.out.find("\\node"); at != std::string::npos; at = r.out.find("\\node", at + 1)) ++nodes;
    EXPECT_EQ(nodes, 6u);
    r = runTool("table Z3 --tikz --colours");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("fill={rgb,255:"), std::string::npos);
    EXPECT_EQ(runTool("table Z3 --tikz --latex").exitCode, 2);
}

}  // namespace
}  // namespace quorix::testing
