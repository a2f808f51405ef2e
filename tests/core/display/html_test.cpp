#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "core/compare/automorphisms.h"
#include "core/compare/solution_analysis.h"
#include "core/display/html.h"
#include "core/display/views.h"
#include "core/search/cayley_search.h"
#include "core/search/search_run.h"
#include "core/text/file_io.h"
#include "core/compare/structure.h"
#include "core/workbench/workbench.h"
#include "support/test_progress.h"
#include "support/groups.h"

namespace quorix {
namespace {

TEST(MarkupToHtml, CodesPiecesAndTheExponentAlternation) {
    EXPECT_EQ(MarkupToHtml("A|2|"), "A<sup>2</sup>");
    EXPECT_EQ(MarkupToHtml("A|2|B|3|"), "A<sup>2</sup>B<sup>3</sup>");
    EXPECT_EQ(MarkupToHtml("|%b|G|/b| and |%i|x|/i|"), "<b>G</b> and <i>x</i>");
    EXPECT_EQ(MarkupToHtml("Z|@8|^*|"), "Z<sub>8</sub><sup>*</sup>");
    EXPECT_EQ(MarkupToHtml("S|@3|"), "S<sub>3</sub>");
    // A subscript ends a raised run, as on the screen.
    EXPECT_EQ(MarkupToHtml("N|@1|x"), "N<sub>1</sub>x");
    EXPECT_EQ(MarkupToHtml("Z|@2|xZ|@2|xZ|@2|"), "Z<sub>2</sub>xZ<sub>2</sub>xZ<sub>2</sub>");
    EXPECT_EQ(MarkupToHtml("Inn(S|@3|)"), "Inn(S<sub>3</sub>)");
    // Names a user typed show as typed.
    EXPECT_EQ(MarkupToHtml("<b>&|2|"), "&lt;b&gt;&amp;<sup>2</sup>");
    EXPECT_EQ(MarkupToHtml(""), "");
    EXPECT_EQ(MarkupToHtml("plain"), "plain");
}

TEST(Anchor, FourteenDigits) {
    EXPECT_EQ(AnchorFor(2026, 1, 2, 3, 4, 5), "20260102030405");
    EXPECT_TRUE(std::regex_match(AnchorNow(), std::regex("[0-9]{14}")));
    EXPECT_EQ(AnchorTag("20260102030405"), "<a name='20260102030405'>");
}

struct TempFile {
    std::string path;
    explicit TempFile(const std::string& name) : path(std::string(QUORIX_BINARY_DIR) + "/" + name) {
        std::remove(path.c_str());
    }
    ~TempFile() { std::remove(path.c_str()); }
    std::string Read() const {
        std::ifstream in(path);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
};

int Count(const std::string& s, const std::string& what) {
    int n = 0;
    for (std::size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + 1)) ++n;
    return n;
}

// Tolerant well-formedness: one html document per view, tables balanced
// and never closed before they open, no markup bar left.
void ExpectWellFormed(const std::string& html, int documents) {
    EXPECT_EQ(Count(html, "<html><body>"), documents);
    EXPECT_EQ(Count(html, "<hr></html>"), documents);
    int depth = 0;
    for (std::size_t p = 0; p < html.size(); ++p) {
        if (html.compare(p, 6, "<table") == 0) ++depth;
        if (html.compare(p, 8, "</table>") == 0) {
            --depth;
            ASSERT_GE(depth, 0) << "at " << p;
        }
    }
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(html.find('|'), std::string::npos);
    // Every entity is closed ("&nbsp(" would show as text).
    for (std::size_t p = html.find('&'); p != std::string::npos; p = html.find('&', p + 1)) {
        const std::size_t end = html.find_first_of("; <", p);
        ASSERT_TRUE(end != std::string::npos && html[end] == ';') << html.substr(p, 20);
    }
}

struct ViewFixture : ::testing::Test {
    std::map<std::string, GroupPtr> registered;
    Workbench bench;
    testing::TestProgress progress;
    ViewOptions Options(const std::string& components) {
        GroupRegistrar registrar;
        registrar.registerGroup = [this](const GroupPtr& g, const std::string& n) { registered[n] = g; };
        return bench.MakeViewOptions(components, registrar, &progress);
    }
};

TEST_F(ViewFixture, SymmetricViewOfS4WithEverySection) {
    TempFile f("view_s4.html");
    auto s4 = testing::spec("S4");
    ASSERT_TRUE(WriteGroupView(ViewKind::Symmetric, s4, f.path, Options("1111111")).complete);
    const std::string html = f.Read();
    ExpectWellFormed(html, 1);
    EXPECT_NE(html.find("<center><b>Symmetric Group of Degree 4 (<b>S<sub>4</sub></b>)</b></center><p>"),
              std::string::npos);
    EXPECT_NE(html.find("The elements are the 24 permutations:"), std::string::npos);
    EXPECT_NE(html.find("&nbsp;is abbreviated here as 9999."), std::string::npos);
    EXPECT_NE(html.find("Solvable?  Yes<br>"), std::string::npos);
    EXPECT_NE(html.find("Dihedral?  No<br>"), std::string::npos);
    EXPECT_NE(html.find("is solvable."), std::string::npos);
    EXPECT_NE(html.find("(1234)"), std::string::npos);
    // 30 subgroups of S4, every one registered by name; quotients and series too.
    EXPECT_EQ(Count(html, "<tr><td nowrap valign='top'>"), 30);
    EXPECT_TRUE(registered.count("Subgroup12-1(S|@4|)"));
    EXPECT_TRUE(registered.count("Subgroup2-9(S|@4|)"));
    EXPECT_TRUE(registered.count("N|@4|(S|@4|)"));
    EXPECT_FALSE(registered.count("N|@5|(S|@4|)"));
    EXPECT_EQ(Count(html, "Yes*"), 1);
    EXPECT_EQ(Count(html, "quotient group <b>G/N</b> has order "), 4);
}

TEST_F(ViewFixture, AppendingKeepsEarlierViewsAndEmptyComponentsGiveOnlyTheTitle) {
    TempFile f("view_append.html");
    auto z6 = testing::spec("Z6");
    const ViewResult first = WriteGroupView(ViewKind::Additive, z6, f.path, Options("0000000"));
    ASSERT_TRUE(first.complete);
    EXPECT_EQ(f.Read(), "<html><body>" + std::string("<a name='") + first.anchor + "'>" +
                            "<center><b>Additive Group of Integers Modulo 6 (<b>Z<sub>6</sub></b></b>)</center><p>\n"
                            "<hr></html>\n");
    ASSERT_TRUE(WriteGroupView(ViewKind::Additive, z6, f.path, Options("1011000")).complete);
    const std::string html = f.Read();
    ExpectWellFormed(html, 2);
    EXPECT_NE(html.find("<td><b>Integer&nbsp;&nbsp;</b>"), std::string::npos);
    // An unwritable path is refused before anything happens.
    EXPECT_THROW(WriteGroupView(ViewKind::Additive, z6, "/nonexistent/dir/x.html", Options("1")), text::FileError);
    ViewOptions bare;
    bare.components = "1001000";
    EXPECT_THROW(WriteGroupView(ViewKind::Additive, z6, f.path, bare), InvalidArgument);
    EXPECT_EQ(f.Read(), html);
    // Replacing (the user confirmed it) leaves only the new view.
    ViewOptions replace = Options("0000000");
    replace.replace = true;
    ASSERT_TRUE(WriteGroupView(ViewKind::Additive, z6, f.path, replace).complete);
    ExpectWellFormed(f.Read(), 1);
}

TEST_F(ViewFixture, OtherFamilies) {
    TempFile f("view_families.html");
    ASSERT_TRUE(WriteGroupView(ViewKind::Multiplicative, testing::spec("U15"), f.path, Options("1011000")).complete);
    ASSERT_TRUE(WriteGroupView(ViewKind::DirectProduct, testing::spec("Z2xS3"), f.path, Options("1011001")).complete);
    ASSERT_TRUE(WriteGroupView(ViewKind::Alternating, testing::spec("A4"), f.path, Options("1011011")).complete);
    ASSERT_TRUE(
        WriteGroupView(ViewKind::Permutation, testing::spec("perm:2134,1342"), f.path, Options("1011100")).complete);
    const std::string html = f.Read();
    ExpectWellFormed(html, 4);
    EXPECT_NE(html.find("Multiplicative Group of Integers Modulo 15"), std::string::npos);
    EXPECT_NE(html.find("Ordered Pair/Tuple"), std::string::npos);
    EXPECT_NE(html.find("12 even permutations"), std::string::npos);
    EXPECT_NE(html.find("This subgroup of <b>S<sub>4</b></sub> has 24 elements.<p>"), std::string::npos);

    ViewKind kind;
    ASSERT_TRUE(ViewKindOfGroup(*testing::spec("U15"), kind));
    EXPECT_EQ(kind, ViewKind::Multiplicative);
}

TEST_F(ViewFixture, HaltEndsTheViewExceptForTheAlternatingWriter) {
    progress.RequestStop();
    TempFile f("view_halt.html");
    EXPECT_FALSE(WriteGroupView(ViewKind::Symmetric, testing::spec("S3"), f.path, Options("1111111")).complete);
    std::string html = f.Read();
    EXPECT_NE(html.find("<br>Operation halted.\n<hr></html>"), std::string::npos);
    EXPECT_EQ(html.find("Subgroups:"), std::string::npos);
    EXPECT_EQ(progress.reports.front(), "determining group properties...");

    TempFile g("view_halt_alt.html");
    EXPECT_TRUE(WriteGroupView(ViewKind::Alternating, testing::spec("A4"), g.path, Options("1011000")).complete);
    EXPECT_EQ(g.Read().find("Operation halted."), std::string::npos);
}

TEST(Recognisers, SymmetricRowsAndColumnsOfS3) {
    std::map<std::string, GroupPtr> reg;
    GroupRegistrar r{[&](const GroupPtr& g, const std::string& n) { reg[n] = g; }, nullptr};
    auto d3 = testing::dihedral(3);
    d3->SetGroupID("G6-2");
    SolutionAnalysisCache cache;
    auto list = RecogniseNamedGroups(d3, r, cache);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].kind, NamedGroupKind::Symmetric);
    EXPECT_EQ(list[0].group->Degree(), 3);
    EXPECT_EQ(list[0].lines, (std::vector<std::string>{"  Symmetric Group"}));
    EXPECT_EQ(list[1].group->GroupID(), "Rows(G6-2)");
    EXPECT_EQ(list[2].group->GroupID(), "Columns(G6-2)");
    EXPECT_EQ(list[2].lines[1], "columns of Cayley table");
    EXPECT_TRUE(reg.count("Rows(G6-2)") && reg.count("Columns(G6-2)"));
    // The cached comparison group is reused for the same degree.
    EXPECT_EQ(CachedSymmetricGroup(cache, 3), list[0].group);
}

TEST(Recognisers, AbelianGroupsOfOrderFourAndSixteen) {
    GroupRegistrar r;
    SolutionAnalysisCache cache;
    auto z4 = testing::spec("Z4");
    auto l4 = RecogniseNamedGroups(z4, r, cache);
    std::vector<std::string> ids;
    for (const auto& e : l4) ids.push_back(e.group->GroupID());
    EXPECT_EQ(ids, (std::vector<std::string>{"Z|@4|", "Z|@5|^*|", "Z|@10|^*|", "Rows(Z|@4|)"}));

    auto v = testing::spec("Z2xZ2");
    auto lv = RecogniseNamedGroups(v, r, cache);
    ids.clear();
    for (const auto& e : lv) ids.push_back(e.group->GroupID());
    EXPECT_EQ(ids, (std::vector<std::string>{"Z|@8|^*|", "Z|@12|^*|", "Z|@2|xZ|@2|", "Rows(Z|@2|xZ|@2|)"}));

    // Order 16: pairs before triples, no row or column groups.
    auto g = testing::spec("Z2xZ2xZ4");
    auto l16 = RecogniseNamedGroups(g, r, cache);
    ASSERT_FALSE(l16.empty());
    EXPECT_EQ(l16.back().kind, NamedGroupKind::DirectProduct);
    EXPECT_EQ(l16.back().group->Order(), 16);
    for (const auto& e : l16) EXPECT_NE(e.kind, NamedGroupKind::Rows);
    auto z2z8 = RecogniseNamedGroups(testing::spec("Z2xZ8"), r, cache);
    EXPECT_EQ(z2z8.back().group->GroupID(), "Z|@2|xZ|@8|");
    // Four factors: Z2 x Z2 x Z2 x Z2 is named too.
    auto elementary = RecogniseNamedGroups(testing::spec("Z2xZ2xZ2xZ2"), r, cache);
    ASSERT_FALSE(elementary.empty());
    EXPECT_EQ(elementary.back().group->GroupID(), "Z|@2|xZ|@2|xZ|@2|xZ|@2|");
}

// Counts the composition series asked of the engine.
struct CountingStructure : StructureAnalysis {
    SubgroupListResult FindAllSubgroups(const GroupPtr& g, Progress& p) override {
        return engine.FindAllSubgroups(g, p);
    }
    bool IsNormalSubgroup(const GroupPtr& g, const GroupPtr& h) override { return engine.IsNormalSubgroup(g, h); }
    bool IsCenter(const GroupPtr& g, const GroupPtr& h, Progress& p) override { return engine.IsCenter(g, h, p); }
    std::vector<GroupPtr> CompositionSeries(const GroupPtr& g, Progress& p) override {
        ++seriesRuns;
        return engine.CompositionSeries(g, p);
    }
    std::string CycleNotation(const std::string& p) override { return engine.CycleNotation(p); }
    SubgroupLogic subgroups;
    EngineStructure engine{subgroups};
    int seriesRuns = 0;
};

TEST(Recognisers, SolvabilityIsCachedPerGroupObject) {
    CountingStructure a;
    SolutionAnalysisCache cache;
    Progress progress;
    auto s4 = testing::spec("S4");
    EXPECT_TRUE(IsSolvable(s4, a, cache, progress));
    const int runs = a.seriesRuns;
    EXPECT_TRUE(IsSolvable(s4, a, cache, progress));
    EXPECT_EQ(a.seriesRuns, runs);
    EXPECT_FALSE(IsSolvable(testing::spec("A5"), a, cache, progress));
    // Another object, even of an equal group, is asked again.
    EXPECT_TRUE(IsSolvable(testing::spec("S4"), a, cache, progress));
    EXPECT_EQ(a.seriesRuns, runs + 2);
}

TEST_F(ViewFixture, SummaryViewsOfOrdersFourAndEight) {
    TempFile f("summary.html");
    auto z4 = testing::spec("Z4");
    auto v4 = testing::spec("Z2xZ2");
    z4->SetGroupID("G4-1");
    v4->SetGroupID("G4-2");
    ASSERT_TRUE(WriteSummaryView(4, {{z4, 0}, {v4, 0}}, f.path, Options("1011000")).complete);
    std::string html = f.Read();
    ExpectWellFormed(html, 1);
    EXPECT_NE(html.find("<center><b>GROUPS OF ORDER 4</b></center><p>"), std::string::npos);
    EXPECT_NE(html.find("<b>Z<sub>4</sub></b>&nbsp;&nbsp;Additive Integer Group<br>"), std::string::npos);
    EXPECT_NE(html.find("Dihedral?  No (Klein four-group)<br>"), std::string::npos);
    EXPECT_NE(html.find("Properties of Group G4-2:"), std::string::npos);

    TempFile e("summary8.html");
    std::vector<SummarySolution> sols;
    for (const char* s : {"Z8", "Z2xZ4", "Z2xZ2xZ2"}) sols.push_back({testing::spec(s), 0});
    sols.push_back({testing::dihedral(4), 0});
    sols.push_back({testing::quaternion(), 0});
    sols.push_back({testing::spec("Z4xZ2"), 2});
    for (std::size_t i = 0; i < sols.size(); ++i) sols[i].group->SetGroupID("G8-" + std::to_string(i + 1));
    // The search names its solutions "Group #8-1": the heading says "Group" once.
    sols[0].group->SetGroupID("Group #8-1");
    ASSERT_TRUE(WriteSummaryView(8, sols, e.path, Options("1111111")).complete);
    html = e.Read();
    ExpectWellFormed(html, 1);
    EXPECT_NE(html.find("Properties of Group #8-1:"), std::string::npos);
    EXPECT_EQ(html.find("Group Group"), std::string::npos);
    EXPECT_NE(html.find("<b>Solution #</b> 6--isomorphically equivalent to Solution 2<p>"), std::string::npos);
    EXPECT_EQ(Count(html, "This group is isomorphic to the following:"), 5);
    EXPECT_NE(html.find("Permutation Group defined by columns of Cayley table<br>"), std::string::npos);
}

TEST_F(ViewFixture, AlternatingGroupOfDegreeFiveIsNotSolvable) {
    TempFile a("engine_a5.html");
    ASSERT_TRUE(WriteGroupView(ViewKind::Alternating, testing::spec("A5"), a.path, Options("0001001")).complete);
    EXPECT_NE(a.Read().find("Not&nbsp;all&nbsp;the&nbsp;Composition"), std::string::npos);
    EXPECT_NE(a.Read().find("Solvable?  No<br>"), std::string::npos);
}

// Search solutions carry the codes "1", "a", "b", ... as names; their row and
// column groups read them as the symbols 1, 2, ..., 9, A, B, ...
TEST(PermutationGroups, RowAndColumnGroupsOfSearchSolutions) {
    for (int n : {6, 12}) {
        CayleySearch s;
        s.SetSearchOrder(n);
        SearchRun run(s);
        Progress progress;
        while (run.Start() && run.Run(progress) == SearchOutcome::Solution) run.SolutionShown();
        ASSERT_GT(s.SolutionCount(), 1);
        for (int slot = 1; slot <= s.SolutionCount(); ++slot) {
            GroupPtr g = s.Solution(slot);
            auto rows = GetPermutationGroup(*g, "row");
            auto cols = GetPermutationGroup(*g, "column");
            EXPECT_EQ(rows->Degree(), n);
            EXPECT_EQ(rows->Order(), n);
            EXPECT_EQ(cols->Order(), n);
            // Row k as a permutation: its symbols are the products k·j.
            EXPECT_EQ(rows->SourceElementIndex(SymbolRow(n)), 1);
        }
    }

    // Renamed elements are read back through the name-to-code function.
    auto d3 = testing::dihedral(3);
    std::vector<std::string> codes{"1", "a", "b", "c", "d", "e"};
    auto toCode = [&](const std::string& name) {
        return codes[static_cast<std::size_t>(d3->SourceElementIndex(name) - 1)];
    };
    SolutionAnalysisCache cache;
    auto list = RecogniseNamedGroups(d3, GroupRegistrar{}, cache, toCode);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1].group->Degree(), 6);
}

}  // namespace
}  // namespace quorix
