// Cayley graph layouts checked as data: node and arrow positions, the pieces
// of an arrow, colours, and the kinds without a layout.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/display/cayley_graph.h"

using namespace quorix::graph;

namespace {

std::vector<std::string> Names(int n) {
    std::vector<std::string> v{"1"};
    for (int i = 2; i <= n; ++i) v.push_back(std::string(1, static_cast<char>('A' + i - 2)));
    return v;
}

double Width(const std::string& s) { return 100.0 * static_cast<double>(s.size()); }

using Path = std::vector<std::string>;

}  // namespace

TEST(CayleyGraphLayout, CyclicOrderFourIsOneRowWithAReturnArrow) {
    const CayleyGraph g = LayOutCayleyGraph(1, Names(4), 0, 0, Width);
    EXPECT_TRUE(g.message.empty());
    ASSERT_EQ(g.nodes.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(g.nodes[i].x, 500 + 2000 * i);
        EXPECT_EQ(g.nodes[i].y, 2000);
    }
    ASSERT_EQ(g.arrows.size(), 4u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(g.arrows[i].path, Path{"E2000"});
        EXPECT_EQ(g.arrows[i].x, 500 + 2000 * i);
    }
    EXPECT_EQ(g.arrows[3].path, (Path{"N1300", "W6000", "S1300"}));
    EXPECT_EQ(g.arrows[3].x, 6500);
    for (const Arrow& a : g.arrows) EXPECT_EQ(a.label, "A");

    // The first right arrow: leaves the node's circle, stops 20 short of the
    // next one and ends in a head; its label sits above its start.
    const Line& first = g.lines[0];
    EXPECT_EQ(first.x1, 850);
    EXPECT_EQ(first.x2, 2500 - 370);
    EXPECT_EQ(first.y1, 2000);
    EXPECT_EQ(g.lines[1].x2, first.x2);
    EXPECT_EQ(g.lines[1].x1, first.x2 - 100);
    EXPECT_EQ(std::abs(g.lines[1].y1 - 2000), 100);
    // The return arrow (its steps are the path above) lands on node 1 the same way.
    const Line& down = g.lines[g.lines.size() - 3];
    EXPECT_EQ(down.x1, 500);
    EXPECT_EQ(down.y2, 2000 - 370);
    // Node names are centred by their width (their colour and height: below).
    EXPECT_EQ(g.labels[0].x, 450);
}

TEST(CayleyGraphLayout, TrivialGroupIsOneNodeWithoutArrows) {
    const CayleyGraph g = LayOutCayleyGraph(1, {"1"}, 0, 0, Width);
    EXPECT_EQ(g.nodes.size(), 1u);
    EXPECT_TRUE(g.arrows.empty());
    EXPECT_TRUE(g.lines.empty());
}

TEST(CayleyGraphLayout, DihedralOrderSixHasTwoRowsJoinedBothWays) {
    const CayleyGraph g = LayOutCayleyGraph(2, Names(6), 0, 0, Width);
    auto at = [&](const std::string& name) {
        return *std::find_if(g.nodes.begin(), g.nodes.end(), [&](const Node& n) { return n.name == name; });
    };
    const std::vector<std::string> names = Names(6);
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(at(names[j]).x, 500 + 2000 * j);
        EXPECT_EQ(at(names[j]).y, 2000);
        EXPECT_EQ(at(names[j + 3]).x, 500 + 2000 * j);
        EXPECT_EQ(at(names[j + 3]).y, 4000);
    }
    // Element 4 labels the vertical arrows: down from above and up to it, per column.
    int down = 0, up = 0;
    for (const Arrow& a : g.arrows) {
        if (a.path == Path{"S2000"}) {
            ++down;
            EXPECT_EQ(a.label, "C");
            EXPECT_EQ(a.y, 2000);
        } else if (a.path == Path{"N2000"}) {
            ++up;
            EXPECT_EQ(a.label, "C");
            EXPECT_EQ(a.y, 4000);
        }
    }
    EXPECT_EQ(down, 3);
    EXPECT_EQ(up, 3);
    // The lower row: 6 -> 5 -> 4 leftwards, and from 4 below the row back to 6.
    std::vector<const Arrow*> lower;
    for (const Arrow& a : g.arrows)
        if (a.y == 4000 && a.label == "A") lower.push_back(&a);
    ASSERT_EQ(lower.size(), 3u);
    EXPECT_EQ(lower[0]->x, 4500);
    EXPECT_EQ(lower[0]->path, Path{"W2000"});
    EXPECT_EQ(lower[1]->x, 2500);
    EXPECT_EQ(lower[2]->x, 500);
    EXPECT_EQ(lower[2]->path, (Path{"S1300", "E4000", "N1300"}));
}

TEST(CayleyGraphLayout, DirectProductRowsPerCosetAndClosingArrows) {
    // Z2 x Z3 laid out with m = 3, k = 2.
    const CayleyGraph g = LayOutCayleyGraph(3, Names(6), 3, 2, Width);
    ASSERT_EQ(g.nodes.size(), 6u);
    EXPECT_EQ(g.nodes[3].x, 1000);
    EXPECT_EQ(g.nodes[3].y, 4000);
    // Second-generator label is element m + 1's name ("C"); the last three
    // arrows close the columns from the last row back to the first.
    const Arrow& last = g.arrows.back();
    EXPECT_EQ(last.label, "C");
    EXPECT_EQ(last.x, 5000);
    EXPECT_EQ(last.path, (Path{"S1000", "E750", "N2750", "W840"}));
    EXPECT_EQ(g.arrows[g.arrows.size() - 3].path, (Path{"S1000", "W750", "N2750", "E840"}));
}

TEST(CayleyGraphLayout, ArrowsLabelledBAreCyanOthersWhite) {
    // In a dihedral group of order 4 element 3 ("B") labels the vertical arrows.
    const CayleyGraph g = LayOutCayleyGraph(2, Names(4), 0, 0, Width);
    bool sawCyan = false;
    for (const Arrow& a : g.arrows) {
        EXPECT_EQ(a.colour, a.label == "B" ? kCyan : kWhite);
        sawCyan = sawCyan || a.label == "B";
    }
    EXPECT_TRUE(sawCyan);
    for (const Label& l : g.labels) {
        const bool isNode = std::any_of(g.nodes.begin(), g.nodes.end(),
                                        [&](const Node& n) { return n.name == l.text && l.y == n.y - 50; });
        EXPECT_EQ(l.colour, isNode ? kBlack : (l.text == "B" ? kCyan : kWhite)) << l.text;
    }
}

TEST(CayleyGraphLayout, KindsWithoutLayoutDrawNothing) {
    for (int kind : {0, 4, -1}) {
        const CayleyGraph g = LayOutCayleyGraph(kind, Names(4), 0, 0, Width);
        EXPECT_EQ(g.message, kGraphNotImplemented);
        EXPECT_TRUE(g.nodes.empty() && g.lines.empty() && g.labels.empty());
    }
}
