// Catalogue names of the small groups and the subgroup lattice.

#include <gtest/gtest.h>

#include <random>
#include <algorithm>
#include <map>
#include <set>

#include "core/catalogue/catalogue.h"
#include "core/lattice/lattice.h"
#include "core/search/cayley_search.h"
#include "core/search/search_run.h"
#include "core/text/markup.h"
#include "support/groups.h"
#include "support/test_progress.h"
#include "support/xml.h"

namespace quorix::testing {
namespace {

// The numbers of groups of each order 1..20.
constexpr int kGroupCounts[] = {0, 1, 1, 1, 2, 1, 2, 1, 5, 2, 2, 1, 5, 1, 2, 1, 14, 1, 5, 1, 5};

// The solutions of a search of order n with the default rules, in order.
std::vector<GroupPtr> SearchSolutions(int n, Progress& progress) {
    CayleySearch search;
    search.SetTraceMode(TraceMode::Off);
    search.SetIncludeIsomorphs(false);
    for (int k = 0; k < CayleySearch::kRuleCount; ++k) search.SetRuleEnabled(k, true);
    search.SetSearchOrder(n);
    search.ClearSolutions();
    SearchRun run(search);
    std::vector<GroupPtr> found;
    while (run.Start()) {
        const SearchOutcome outcome = run.Run(progress);
        if (outcome == SearchOutcome::Refused) continue;
        if (outcome != SearchOutcome::Solution) break;
        found.push_back(search.LastRecord().group);
        run.SolutionShown();
    }
    return found;
}

TEST(Catalogue, StoredSolutionsAreTheSearchsOwnInItsOrderWithTheirOwnNames) {
    Catalogue catalogue;
    TestProgress progress;
    std::mt19937 rng(7);
    for (int n = 1; n <= Catalogue::kMaxOrder; ++n) {
        const std::vector<GroupPtr>& solutions = catalogue.Solutions(n, progress);
        ASSERT_EQ(static_cast<int>(solutions.size()), kGroupCounts[n]) << n;
        const std::vector<GroupPtr> searched = SearchSolutions(n, progress);
        ASSERT_EQ(searched.size(), solutions.size()) << n;
        for (std::size_t s = 0; s < searched.size(); ++s) {
            EXPECT_EQ(searched[s]->GroupID(), solutions[s]->GroupID());
            for (int a = 1; a <= n; ++a)
                for (int b = 1; b <= n; ++b)
                    ASSERT_EQ(searched[s]->name(searched[s]->mul(a, b)), solutions[s]->name(solutions[s]->mul(a, b)))
                        << searched[s]->GroupID() << " " << a << "*" << b;
        }
        std::set<std::string> names;
        for (std::size_t s = 0; s < solutions.size(); ++s) {
            const std::string name = ConventionalName(*solutions[s]);
            EXPECT_FALSE(name.empty()) << n;
            names.insert(name);
            const auto entry = catalogue.Identify(*shuffledCopy(*solutions[s], rng), progress);
            ASSERT_TRUE(entry);
            EXPECT_EQ(entry->number, static_cast<int>(s) + 1);
            EXPECT_EQ(entry->name, name);
        }
        EXPECT_EQ(names.size(), solutions.size()) << n;  // the invariants tell the groups apart
    }
}

TEST(Catalogue, KnownConstructionsGetTheirNames) {
    Catalogue catalogue;
    TestProgress progress;
    auto name = [&](const GroupPtr& g) {
        const auto e = catalogue.Identify(*g, progress);
        return e ? markup::PlainText(e->name) : std::string("-");
    };
    EXPECT_EQ(name(dihedral(4)), "D_4");
    EXPECT_EQ(name(dihedral(8)), "D_8");
    EXPECT_EQ(name(quaternion()), "Q_8");
    EXPECT_EQ(name(dicyclic(3)), "Dic_3");
    EXPECT_EQ(name(dicyclic(4)), "Q_16");
    EXPECT_EQ(name(spec("A4")), "A_4");
    EXPECT_EQ(name(spec("S3")), "D_3");
    EXPECT_EQ(name(spec("Z2xZ8")), "Z_2 x Z_8");
    EXPECT_EQ(name(spec("Z2xZ2xZ2xZ2")), "Z_2^4");
    EXPECT_EQ(name(spec("Z2xZ2xZ4")), "Z_2 x Z_2 x Z_4");
    EXPECT_EQ(name(spec("Z3xZ6")), "Z_3 x Z_6");
    EXPECT_EQ(name(spec("Z4xZ5")), "Z_20");
    EXPECT_EQ(name(spec("U5xZ4")), "Z_4 x Z_4");
    EXPECT_EQ(name(spec("S4")), "-");  // larger groups have no entry
}

lattice::Lattice Build(const GroupPtr& g, lattice::View view = lattice::View::Subgroups) {
    TestProgress progress;
    return lattice::BuildLattice(*g, view, progress);
}

int NormalCount(const lattice::Lattice& l) {
    int c = 0;
    for (const auto& n : l.nodes) c += n.normal ? 1 : 0;
    return c;
}

TEST(Lattice, NodesClassesNormalSubgroupsAndEdgesOfSmallGroups) {
    const auto s4 = Build(spec("S4"));
    EXPECT_EQ(s4.nodes.size(), 30u);
    EXPECT_EQ(s4.classCount, 11);
    EXPECT_EQ(NormalCount(s4), 4);        // 1, V4, A4, S4
    const auto q8 = Build(quaternion());  // one node per subgroup: the subgroup counts are the facts' tests
    EXPECT_EQ(NormalCount(q8), 6);
    EXPECT_EQ(q8.edges.size(), 7u);
    const auto s3 = Build(spec("S3"));
    EXPECT_EQ(s3.edges.size(), 8u);  // S3 over Z3 and three Z2, each over 1
    EXPECT_EQ(Build(dihedral(4)).edges.size(), 15u);
    const auto a4 = Build(spec("A4"));              // Z3 is maximal in A4 at index 4
    EXPECT_EQ(a4.edges.size(), 5u + 3u + 4u + 3u);  // A4 over V4 and four Z3, V4 over three Z2
    for (const auto& l : {s4, q8, s3, a4}) {
        for (const auto& [big, small] : l.edges) {
            EXPECT_GT(l.nodes[static_cast<std::size_t>(big)].order, l.nodes[static_cast<std::size_t>(small)].order);
            EXPECT_LT(l.nodes[static_cast<std::size_t>(big)].y, l.nodes[static_cast<std::size_t>(small)].y);
        }
    }
}

TEST(Lattice, ClassesViewIsTheDefaultForManySubgroupsAndConjugatesSitSideBySide) {
    const auto s4 = Build(spec("S4"), lattice::View::ClassesOnly);
    EXPECT_EQ(s4.nodes.size(), 11u);
    EXPECT_EQ(Build(spec("S4"), lattice::View::Automatic).nodes.size(), 30u);
    const auto c26 = Build(spec("Z2xZ2xZ2xZ2xZ2xZ2"), lattice::View::Automatic);
    EXPECT_TRUE(c26.classesOnly);
    EXPECT_EQ(c26.subgroupCount, 2825);
    // The classes view's edges are the class pairs of the full lattice's.
    for (const GroupPtr& g : {spec("S4"), spec("S5"), specialLinear23()}) {
        const auto whole = Build(g), classes = Build(g, lattice::View::ClassesOnly);
        std::set<std::pair<int, int>> pairs, shown;
        for (const auto& [big, small] : whole.edges)
            pairs.emplace(whole.nodes[static_cast<std::size_t>(big)].subgroupClass,
                          whole.nodes[static_cast<std::size_t>(small)].subgroupClass);
        for (const auto& [big, small] : classes.edges)
            shown.emplace(classes.nodes[static_cast<std::size_t>(big)].subgroupClass,
                          classes.nodes[static_cast<std::size_t>(small)].subgroupClass);
        EXPECT_EQ(shown, pairs) << g->GroupID();
    }
    // In S4 the three Z4 (and the three D8, ...) are one class: one colour,
    // no other box or bend between them.
    const auto full = Build(spec("S4"));
    std::map<int, std::vector<const lattice::Node*>> byClass;
    for (const auto& n : full.nodes) byClass[n.subgroupClass].push_back(&n);
    for (const auto& [c, members] : byClass) {
        long lo = members.front()->x, hi = lo;
        for (const auto* m : members) {
            lo = std::min(lo, m->x), hi = std::max(hi, m->x);
            EXPECT_EQ(m->colour, members.front()->colour);
        }
        for (const auto& n : full.nodes)
            if (n.layer == members.front()->layer && n.subgroupClass != c) {
                EXPECT_TRUE(n.x < lo || n.x > hi);
            }
        for (const auto& route : full.routes)  // the bends in the layer
            for (std::size_t i = 1; i + 1 < route.size(); ++i) {
                const auto& p = route[i];
                if (std::abs(p.y - members.front()->y) <= lattice::kBoxHeight / 2) {
                    EXPECT_TRUE(p.x < lo || p.x > hi);
                }
            }
    }
}

// Whether the segment pq meets the closed box (clipping the segment's
// parameter interval against the four sides).
bool SegmentMeetsBox(lattice::Point p, lattice::Point q, const lattice::Node& box) {
    double t0 = 0, t1 = 1;
    const double dx = static_cast<double>(q.x - p.x), dy = static_cast<double>(q.y - p.y);
    const double left = static_cast<double>(box.x - box.width / 2), right = static_cast<double>(box.x + box.width / 2);
    const double top = static_cast<double>(box.y - box.height / 2),
                 bottom = static_cast<double>(box.y + box.height / 2);
    const double px = static_cast<double>(p.x), py = static_cast<double>(p.y);
    for (const auto& [d, room] : {std::pair{-dx, px - left}, {dx, right - px}, {-dy, py - top}, {dy, bottom - py}}) {
        if (d == 0) {
            if (room < 0) return false;
        } else if (d < 0) {
            t0 = std::max(t0, room / d);
        } else {
            t1 = std::min(t1, room / d);
        }
    }
    return t0 <= t1;
}

// Every line of the drawing runs from its larger subgroup's box to the
// other's and meets no other box (the labels are inside the boxes); boxes
// of a layer do not touch; everything lies inside the extent.
TEST(Lattice, NoEdgeMeetsABoxOrLabelOtherThanItsEnds) {
    Catalogue catalogue;
    TestProgress progress;
    const std::vector<std::pair<GroupPtr, lattice::View>> cases = {
        {spec("S4"), lattice::View::Subgroups},       {dihedral(4), lattice::View::Subgroups},
        {spec("Z2xZ2xZ2"), lattice::View::Subgroups}, {quaternion(), lattice::View::Subgroups},
        {spec("A4"), lattice::View::Subgroups},       {spec("Z2xZ2xZ2xZ2"), lattice::View::Subgroups},
        {spec("S5"), lattice::View::Subgroups},       {spec("S5"), lattice::View::ClassesOnly},
        {spec("S4"), lattice::View::ClassesOnly},     {spec("Z2"), lattice::View::Subgroups},
    };
    for (const auto& [g, view] : cases) {
        auto l = lattice::BuildLattice(*g, view, progress);
        lattice::NameNodes(l, g, catalogue, progress);
        const std::string what = g->GroupID() + (l.classesOnly ? " classes" : "");
        ASSERT_EQ(l.routes.size(), l.edges.size()) << what;
        for (std::size_t e = 0; e < l.edges.size(); ++e) {
            const auto [a, b] = l.edges[e];
            const auto& route = l.routes[e];
            const auto& from = l.nodes[static_cast<std::size_t>(a)];
            const auto& to = l.nodes[static_cast<std::size_t>(b)];
            ASSERT_GE(route.size(), 2u);
            EXPECT_EQ(route.front(), (lattice::Point{from.x, from.y + from.height / 2})) << what;
            EXPECT_EQ(route.back(), (lattice::Point{to.x, to.y - to.height / 2})) << what;
            for (std::size_t i = 0; i + 1 < route.size(); ++i)
                for (std::size_t n = 0; n < l.nodes.size(); ++n)
                    if (n != static_cast<std::size_t>(a) && n != static_cast<std::size_t>(b)) {
                        ASSERT_FALSE(SegmentMeetsBox(route[i], route[i + 1], l.nodes[n]))
                            << what << ": edge " << a << "-" << b << " meets node " << n;
                    }
        }
        for (std::size_t m = 0; m < l.nodes.size(); ++m) {
            const auto& p = l.nodes[m];
            EXPECT_GE(p.x - p.width / 2, 0);
            EXPECT_LE(p.x + p.width / 2, l.width);
            EXPECT_LE(p.y + p.height / 2, l.height);
            for (std::size_t n = m + 1; n < l.nodes.size(); ++n)
                if (l.nodes[n].layer == p.layer) {
                    EXPECT_GT(std::abs(l.nodes[n].x - p.x), (l.nodes[n].width + p.width) / 2) << what;
                }
        }
    }
}

TEST(Lattice, SvgIsWellFormedAndNamesEveryElement) {
    const GroupPtr g = spec("S4");
    auto l = Build(g);
    Catalogue catalogue;
    TestProgress progress;
    lattice::NameNodes(l, g, catalogue, progress);
    const std::string svg = lattice::ToSvg(l, *g, g->GroupID());
    EXPECT_TRUE(wellFormedXml(svg));
    for (int i = 1; i <= g->order(); ++i) EXPECT_NE(svg.find(markup::PlainText(g->sourceName(i))), std::string::npos);
    EXPECT_NE(svg.find("A<tspan baseline-shift=\"sub\" font-size=\"75%\">4</tspan>"), std::string::npos);
    EXPECT_NE(lattice::ToDot(l, *g, "S4").find("n0 -- n"), std::string::npos);
}

}  // namespace
}  // namespace quorix::testing
