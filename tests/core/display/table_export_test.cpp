// Element colours, and the table as LaTeX and SVG text.

#include <gtest/gtest.h>

#include <set>

#include "core/display/table_export.h"
#include "core/text/markup.h"
#include "support/groups.h"
#include "support/xml.h"

namespace quorix::testing {
namespace {

TEST(TableColours, DistinctHuesWithReadableText) {
    for (int n : {1, 2, 6, 24, 120}) {
        const std::vector<TableColour> colours = ElementColours(n);
        ASSERT_EQ(static_cast<int>(colours.size()), n);
        std::set<std::string> hex;
        for (const TableColour& c : colours) {
            hex.insert(c.Hex());
            EXPECT_GE(ContrastRatio(c.red, c.green, c.blue, c.textRed, c.textGreen, c.textBlue), 7.0) << c.Hex();
        }
        if (n <= 24) {
            EXPECT_EQ(static_cast<int>(hex.size()), n);
        }
    }
}

// Every "{" has its "}" and no prefix closes more than it opened (escaped
// braces "\{" "\}" do not count).
bool BalancedBraces(const std::string& s) {
    int depth = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\') {
            ++i;
            continue;
        }
        depth += s[i] == '{' ? 1 : s[i] == '}' ? -1 : 0;
        if (depth < 0) return false;
    }
    return depth == 0;
}

TEST(TableLatex, TabularWithAHeaderColumnAndEveryName) {
    const GroupPtr g = spec("S3");
    for (bool colours : {false, true}) {
        TableOptions options;
        options.colours = colours;
        options.organiseBy = ElementSet{}.set(1).set(static_cast<std::size_t>(g->positionOfName("A")));
        options.organiseBy->set(static_cast<std::size_t>(g->mul(g->positionOfName("A"), g->positionOfName("A"))));
        const std::string latex = TableLatex(*g, MakeTableLayout(*g, options));
        EXPECT_TRUE(BalancedBraces(latex)) << latex;
        const std::size_t open = latex.find("\\begin{tabular}{");
        ASSERT_NE(open, std::string::npos);
        std::string spec = latex.substr(open + 16, latex.find('}', open + 16) - open - 16);
        EXPECT_EQ(spec, "c|ccc|ccc");
        EXPECT_NE(latex.find("\\end{tabular}"), std::string::npos);
        for (int k = 1; k <= 6; ++k) EXPECT_NE(latex.find("$" + MarkupToLatex(g->name(k)) + "$"), std::string::npos);
        EXPECT_EQ(latex.find("cellcolor") != std::string::npos, colours);
    }
    EXPECT_EQ(MarkupToLatex("A|2|B"), "A^{2}B");
    EXPECT_EQ(MarkupToLatex("Z|@8|^*|"), "Z_{8}^{*}");
    EXPECT_EQ(MarkupToLatex("a_b{c}"), "a\\_b\\{c\\}");
}

TEST(TableSvg, WellFormedWithEveryName) {
    const GroupPtr g = spec("S4");
    TableOptions options;
    options.colours = true;
    const std::string svg = TableSvg(*g, MakeTableLayout(*g, options), "S|@4|");
    EXPECT_TRUE(wellFormedXml(svg)) << svg;
    for (int k = 1; k <= g->order(); ++k)
        for (const markup::Token& t : markup::Tokenize(g->name(k)))
            if (t.kind == markup::TokenKind::Text) {
                EXPECT_NE(svg.find(">" + t.text + "<"), std::string::npos) << t.text;
            }
}

}  // namespace
}  // namespace quorix::testing
