// Cayley diagrams and cycle graphs: the graph itself, checked element by
// element, and pictures whose nodes never touch.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <sstream>
#include <numeric>
#include <set>

#include "core/diagram/cayley_diagram.h"
#include "core/diagram/cycle_graph.h"
#include "support/groups.h"
#include "support/xml.h"

namespace quorix::testing {
namespace {

using diagram::Layout;

// Union-find over the diagram's edges: the number of pieces.
int Components(const diagram::CayleyDiagram& d, int n) {
    std::vector<int> parent(static_cast<std::size_t>(n) + 1);
    std::iota(parent.begin(), parent.end(), 0);
    auto find = [&](int x) {
        while (parent[static_cast<std::size_t>(x)] != x) x = parent[static_cast<std::size_t>(x)];
        return x;
    };
    for (const auto& e : d.edges) parent[static_cast<std::size_t>(find(e.source))] = find(e.target);
    int count = 0;
    for (int k = 1; k <= n; ++k) count += find(k) == k;
    return count;
}

// No two nodes overlap, nor does any node leave the picture.
void ExpectSpaced(const diagram::Picture& p, const std::string& what) {
    const double r = p.nodeRadius;
    for (std::size_t i = 0; i < p.nodes.size(); ++i) {
        const auto& a = p.nodes[i].at;
        EXPECT_TRUE(a.x >= r && a.y >= r && a.x <= p.width - r && a.y <= p.height - r) << what << " node " << i;
        for (std::size_t j = i + 1; j < p.nodes.size(); ++j)
            ASSERT_GE(std::hypot(a.x - p.nodes[j].at.x, a.y - p.nodes[j].at.y), 2 * r + 4)
                << what << ": nodes " << i << " and " << j;
    }
}

std::vector<int> Named(const Group& g, std::initializer_list<const char*> sourceNames) {
    std::vector<int> out;
    for (const char* s : sourceNames) out.push_back(g.positionOf(g.SourceElementIndex(s)));
    return out;
}

TEST(CayleyDiagram, EveryGeneratorGivesOneArrowPerElementAndConnectsExactlyWhenItGenerates) {
    struct Case {
        GroupPtr group;
        std::vector<std::string> generators;  // source names; empty: the automatic set
    };
    const GroupPtr s4 = spec("S4");
    const std::vector<Case> cases = {
        {spec("Z12"), {}},  {dihedral(4), {}},
        {quaternion(), {}}, {spec("A4"), {}},
        {s4, {}},           {s4, {"2341", "2134", "1324"}},
        {spec("A5"), {}},   {spec("Z2xZ2xZ2"), {}},
        {s4, {"2341"}},     {s4, {"2143", "3412"}},
        {spec("S5"), {}},   {spec("Z1"), {}},
    };
    for (const Case& c : cases) {
        const Group& g = *c.group;
        std::vector<int> gens = diagram::SmallGeneratingSet(g);
        if (!c.generators.empty()) gens.clear();
        for (const std::string& s : c.generators) gens.push_back(g.positionOf(g.SourceElementIndex(s)));
        const int n = g.order();
        const int reach = static_cast<int>(diagram::GeneratedSubgroup(g, gens).count());
        for (Layout layout : {Layout::Rings, Layout::Grid, Layout::Force}) {
            const auto d = diagram::BuildCayleyDiagram(g, gens, {layout, false});
            const std::string what = g.GroupID() + " layout " + std::to_string(static_cast<int>(layout));
            ASSERT_EQ(d.picture.nodes.size(), static_cast<std::size_t>(n)) << what;
            for (std::size_t j = 0; j < gens.size(); ++j) {
                const int s = gens[j];
                std::set<std::pair<int, int>> arrows;
                for (const auto& e : d.edges)
                    if (e.generator == static_cast<int>(j)) {
                        EXPECT_EQ(e.target, g.mul(e.source, s)) << what;
                        EXPECT_EQ(e.undirected, g.elementOrder(s) == 2) << what;
                        arrows.emplace(std::min(e.source, e.target), std::max(e.source, e.target));
                        if (!e.undirected) arrows.emplace(e.source, -e.target);
                    }
                const std::size_t expected =
                    g.elementOrder(s) == 2 ? static_cast<std::size_t>(n / 2) : static_cast<std::size_t>(n);
                EXPECT_EQ(g.elementOrder(s) == 2 ? arrows.size() : arrows.size() / 2, expected) << what;
            }
            EXPECT_EQ(d.subgroupOrder, reach) << what;
            EXPECT_EQ(d.generatesGroup, reach == n) << what;
            EXPECT_EQ(Components(d, n), n / reach) << what;
            EXPECT_EQ(d.picture.notes.empty(), reach == n) << what;
            ExpectSpaced(d.picture, what);
        }
    }
}

TEST(CayleyDiagram, AutomaticGeneratorsAreFewAndGenerate) {
    for (const auto& [s, count] : std::vector<std::pair<std::string, std::size_t>>{
             {"Z12", 1}, {"S4", 2}, {"A5", 2}, {"Z2xZ2xZ2", 3}, {"Z2xZ6", 2}, {"S5", 2}, {"Z1", 0}}) {
        const GroupPtr g = spec(s);
        const auto gens = diagram::SmallGeneratingSet(*g);
        EXPECT_EQ(gens.size(), count) << s;
        EXPECT_EQ(diagram::GeneratedSubgroup(*g, gens).count(), static_cast<std::size_t>(g->order())) << s;
    }
}

TEST(CayleyDiagram, RefusesTheIdentityRepeatsAndStrangers) {
    const GroupPtr g = spec("S3");
    for (const std::vector<int>& bad : std::vector<std::vector<int>>{{1}, {2, 2}, {0}, {7}})
        EXPECT_THROW(diagram::BuildCayleyDiagram(*g, bad, {}), InvalidArgument);
    EXPECT_THROW(diagram::ParseLayout("circle"), InvalidArgument);
}

TEST(CayleyDiagram, LeftAndRightCosetsDifferForASubgroupThatIsNotNormal) {
    const GroupPtr g = spec("S3");
    ElementSet h;
    h.set(1);
    const std::vector<int> t = Named(*g, {"213"});
    h.set(static_cast<std::size_t>(t[0]));
    const auto left = diagram::CosetNumbers(*g, h, true), right = diagram::CosetNumbers(*g, h, false);
    for (int x = 1; x <= 6; ++x) {
        EXPECT_EQ(left[static_cast<std::size_t>(x)], left[static_cast<std::size_t>(g->mul(x, t[0]))]);
        EXPECT_EQ(right[static_cast<std::size_t>(x)], right[static_cast<std::size_t>(g->mul(t[0], x))]);
    }
    EXPECT_NE(left, right);
    EXPECT_EQ(*std::max_element(left.begin(), left.end()), 2);
}

// Maximal cyclic subgroups the slow way: <x> is maximal when no <y>
// holds x and more elements.
std::set<std::set<int>> ReferenceCycles(const Group& g) {
    auto powers = [&](int x) {
        std::set<int> s;
        for (int y = x;; y = g.mul(y, x)) {
            s.insert(y);
            if (y == 1) return s;
        }
    };
    std::set<std::set<int>> out;
    for (int x = 2; x <= g.order(); ++x) {
        const std::set<int> c = powers(x);
        bool maximal = true;
        for (int y = 2; y <= g.order(); ++y)
            if (powers(y).count(x) && powers(y).size() > c.size()) maximal = false;
        if (maximal) out.insert(c);
    }
    return out;
}

TEST(CycleGraph, CyclesAreTheMaximalCyclicSubgroupsEachWalkedByOneGenerator) {
    for (const GroupPtr& g : {quaternion(), spec("S4"), spec("Z2xZ6"), spec("Z12"), spec("A5"), spec("Z1"),
                              spec("Z4xZ4"), spec("S3xZ4"), dihedral(6), spec("Z2xZ2xZ2")}) {
        const auto c = diagram::BuildCycleGraph(*g);
        std::set<std::set<int>> found;
        std::size_t edges = 0;
        for (const std::vector<int>& cycle : c.cycles) {
            ASSERT_GE(cycle.size(), 2u);
            EXPECT_EQ(cycle.front(), 1);
            for (std::size_t i = 0; i < cycle.size(); ++i)
                EXPECT_EQ(cycle[(i + 1) % cycle.size()], g->mul(cycle[i], cycle[1])) << g->GroupID();
            found.insert(std::set<int>(cycle.begin(), cycle.end()));
            edges += cycle.size() == 2 ? 1 : cycle.size();
        }
        EXPECT_EQ(found, ReferenceCycles(*g)) << g->GroupID();
        EXPECT_EQ(found.size(), c.cycles.size()) << g->GroupID();
        EXPECT_EQ(c.picture.nodes.size(), static_cast<std::size_t>(g->order()));
        EXPECT_EQ(c.picture.edges.size(), edges);
        ExpectSpaced(c.picture, g->GroupID());
    }
}

TEST(CycleGraph, EveryGroupOfTheZooGetsBothPicturesWithoutOverlaps) {
    for (const NamedGroup& z : zoo(120)) {
        const auto c = diagram::BuildCycleGraph(*z.group);
        ExpectSpaced(c.picture, z.label + " cycle graph");
        const auto d = diagram::BuildCayleyDiagram(*z.group, diagram::SmallGeneratingSet(*z.group), {});
        ExpectSpaced(d.picture, z.label + " diagram");
    }
}

TEST(DiagramPicture, SvgAndTikzHoldEveryNodeAndEdge) {
    const GroupPtr g = quaternion();
    g->SetGroupID("Q|@8| <&>");
    const auto d = diagram::BuildCayleyDiagram(*g, diagram::SmallGeneratingSet(*g), {});
    const std::string svg = diagram::ToSvg(d.picture), tikz = diagram::ToTikz(d.picture);
    EXPECT_TRUE(wellFormedXml(svg));
    auto count = [](const std::string& text, const std::string& what) {
        std::size_t n = 0;
        for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count(svg, "<circle"), 8u);
    EXPECT_EQ(count(svg, " Q"), d.edges.size());
    EXPECT_EQ(count(tikz, "\\node[element"), 8u);
    EXPECT_EQ(count(tikz, "\\draw[->"), d.edges.size() + d.generators.size());
    EXPECT_NE(tikz.find("\\begin{tikzpicture}"), std::string::npos);
}

// A node dragged out of the frame stays in the SVG's picture, with the edges
// that follow it; an undragged picture keeps its frame.
TEST(DiagramPicture, SvgViewBoxCoversDraggedNodes) {
    diagram::Picture p =
        diagram::BuildCayleyDiagram(*dihedral(4), diagram::SmallGeneratingSet(*dihedral(4)), {}).picture;
    auto viewBox = [](const std::string& svg) {
        const std::size_t at = svg.find("viewBox=\"") + 9;
        std::istringstream in(svg.substr(at, svg.find('"', at) - at));
        std::array<double, 4> v{};
        in >> v[0] >> v[1] >> v[2] >> v[3];
        return v;
    };
    const auto framed = viewBox(diagram::ToSvg(p));
    EXPECT_EQ(framed, (std::array<double, 4>{0, 0, p.width, p.height}));
    p.nodes[0].at = {p.width + 60.2, -28.4};
    const auto v = viewBox(diagram::ToSvg(p));
    for (const auto& n : p.nodes) {
        EXPECT_GE(n.at.x - p.nodeRadius, v[0]);
        EXPECT_GE(n.at.y - p.nodeRadius, v[1]);
        EXPECT_LE(n.at.x + p.nodeRadius, v[0] + v[2]);
        EXPECT_LE(n.at.y + p.nodeRadius, v[1] + v[3]);
    }
    EXPECT_LE(v[0], 0);
    EXPECT_GE(v[0] + v[2], p.width);
    EXPECT_GE(v[1] + v[3], p.height);
}

}  // namespace
}  // namespace quorix::testing
