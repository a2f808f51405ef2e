// Counting colourings up to symmetry: the closed formulas of the course,
// brute-force orbit lists, the solids' groups and the actions.

#include <gtest/gtest.h>

#include <numeric>

#include "core/counting/actions.h"
#include "core/counting/burnside.h"
#include "core/counting/colouring_list.h"
#include "core/counting/symmetry_object.h"
#include "core/group/errors.h"

namespace quorix::counting {
namespace {

mpz_class Power(long k, long e) {
    mpz_class r;
    mpz_ui_pow_ui(r.get_mpz_t(), static_cast<unsigned long>(k), static_cast<unsigned long>(e));
    return r;
}

mpz_class CountOf(const std::string& object, int k, bool reflections = false) {
    return CountColourings(*MakeSymmetryObject(object, reflections).group, k).count;
}

// Orbits of colourings walked one by one, for small cases.
std::size_t BruteForceOrbits(const EnumeratedGroup& g, int k) {
    Progress progress;
    return FindOrbits(*ActionOnColourings(g, k), progress).orbits.size();
}

TEST(CountingFormulas, NecklacesAndBraceletsUpTo40Beads) {
    for (int n = 1; n <= 40; ++n) {
        const SymmetryObject necklace = MakeObject("necklace(" + std::to_string(n) + ")", false);
        const SymmetryObject bracelet = MakeObject("bracelet(" + std::to_string(n) + ")", false);
        ASSERT_EQ(necklace.group->order(), static_cast<std::size_t>(n));
        ASSERT_EQ(bracelet.group->order(), static_cast<std::size_t>(n <= 2 ? n : 2 * n));
        for (int k : {1, 2, 3, 7, 30}) {
            mpz_class sum = 0;
            for (int d = 1; d <= n; ++d) {
                if (n % d) continue;
                int phi = 0;
                for (int i = 1; i <= d; ++i) phi += std::gcd(i, d) == 1;
                sum += phi * Power(k, n / d);
            }
            const mpz_class necklaces = sum / n;
            EXPECT_EQ(CountColourings(*necklace.group, k).count, necklaces) << n << " beads, " << k;
            const mpz_class bracelets = n % 2 ? mpz_class((necklaces + Power(k, (n + 1) / 2)) / 2)
                                              : mpz_class((2 * necklaces + Power(k, n / 2) * (k + 1)) / 4);
            EXPECT_EQ(CountColourings(*bracelet.group, k).count, bracelets) << n << " beads, " << k;
        }
    }
    EXPECT_EQ(CountOf("bracelet(10)", 3), 3210);
    EXPECT_EQ(CountOf("necklace(6)", 3), 130);
    EXPECT_EQ(CountOf("necklace(6)", 2, true), CountOf("bracelet(6)", 2));
    EXPECT_EQ(CountOf("polygon(7)", 4), CountOf("bracelet(7)", 4));
}

TEST(CountingFormulas, SolidsWithRotations) {
    for (long k = 1; k <= 30; ++k) {
        EXPECT_EQ(CountOf("cube-faces", static_cast<int>(k)),
                  (Power(k, 6) + 3 * Power(k, 4) + 12 * Power(k, 3) + 8 * Power(k, 2)) / 24);
        EXPECT_EQ(CountOf("cube-vertices", static_cast<int>(k)),
                  (Power(k, 8) + 17 * Power(k, 4) + 6 * Power(k, 2)) / 24);
        EXPECT_EQ(CountOf("cube-edges", static_cast<int>(k)),
                  (Power(k, 12) + 6 * Power(k, 7) + 3 * Power(k, 6) + 8 * Power(k, 4) + 6 * Power(k, 3)) / 24);
        EXPECT_EQ(CountOf("tetrahedron-faces", static_cast<int>(k)), (Power(k, 4) + 11 * Power(k, 2)) / 12);
        EXPECT_EQ(CountOf("icosahedron-faces", static_cast<int>(k)),
                  (Power(k, 20) + 15 * Power(k, 10) + 20 * Power(k, 8) + 24 * Power(k, 4)) / 60);
        EXPECT_EQ(CountOf("dodecahedron-faces", static_cast<int>(k)),
                  (Power(k, 12) + 15 * Power(k, 6) + 44 * Power(k, 4)) / 60);
        // Faces of one solid are the vertices of its dual.
        EXPECT_EQ(CountOf("octahedron-vertices", static_cast<int>(k)), CountOf("cube-faces", static_cast<int>(k)));
        EXPECT_EQ(CountOf("icosahedron-vertices", static_cast<int>(k)),
                  CountOf("dodecahedron-faces", static_cast<int>(k)));
        EXPECT_EQ(CountOf("octahedron-edges", static_cast<int>(k), true),
                  CountOf("cube-edges", static_cast<int>(k), true));
    }
}

// Whether two convex polygons share inner points (separating axes).
bool Overlap(const std::vector<Vec2>& a, const std::vector<Vec2>& b) {
    for (const std::vector<Vec2>* poly : {&a, &b})
        for (std::size_t i = 0; i < poly->size(); ++i) {
            const Vec2 p = (*poly)[i], q = (*poly)[(i + 1) % poly->size()];
            const double nx = q.y - p.y, ny = p.x - q.x;
            double amin = 1e9, amax = -1e9, bmin = 1e9, bmax = -1e9;
            for (const Vec2& v : a)
                amin = std::min(amin, nx * v.x + ny * v.y), amax = std::max(amax, nx * v.x + ny * v.y);
            for (const Vec2& v : b)
                bmin = std::min(bmin, nx * v.x + ny * v.y), bmax = std::max(bmax, nx * v.x + ny * v.y);
            if (amax <= bmin + 1e-6 || bmax <= amin + 1e-6) return false;
        }
    return true;
}

TEST(CountingFormulas, SolidGroupsAndTheirNets) {
    const std::pair<const char*, std::size_t> solids[] = {
        {"tetrahedron", 12}, {"cube", 24}, {"octahedron", 24}, {"dodecahedron", 60}, {"icosahedron", 60}};
    const int sizes[][3] = {{4, 4, 6}, {6, 8, 12}, {8, 6, 12}, {12, 20, 30}, {20, 12, 30}};
    for (std::size_t s = 0; s < 5; ++s)
        for (int part = 0; part < 3; ++part) {
            const std::string name = std::string(solids[s].first) + "-" + PartName(static_cast<SolidPart>(part));
            const SymmetryObject rotations = MakeObject(name, false), all = MakeObject(name, true);
            EXPECT_EQ(rotations.group->order(), solids[s].second) << name;
            EXPECT_EQ(all.group->order(), 2 * solids[s].second) << name;
            EXPECT_EQ(rotations.group->degree(), sizes[s][part]) << name;
            ASSERT_TRUE(rotations.solid);
            EXPECT_EQ(rotations.solid->net.size(), rotations.solid->faces.size()) << name;
            const std::vector<NetFace>& net = rotations.solid->net;
            for (std::size_t i = 0; i < net.size(); ++i)
                for (std::size_t j = i + 1; j < net.size(); ++j)
                    EXPECT_FALSE(Overlap(net[i].corners, net[j].corners)) << name << " faces " << i << ", " << j;
        }
}

TEST(CountingBruteForce, OrbitListsAgreeWithBurnside) {
    for (const char* object : {"necklace(8)", "bracelet(9)", "cube-faces", "tetrahedron-edges", "octahedron-faces"})
        for (bool reflections : {false, true})
            for (int k : {2, 3}) {
                const SymmetryObject o = MakeSymmetryObject(object, reflections);
                const mpz_class count = CountColourings(*o.group, k).count;
                EXPECT_EQ(count, BruteForceOrbits(*o.group, k)) << object << reflections << k;
                Progress progress;
                const ColouringList list = ListColourings(*o.group, k, {}, progress);
                ASSERT_EQ(count, list.colourings.size());
                // Orbit-stabilizer, and the orbits make up every colouring.
                mpz_class covered = 0;
                for (const ListedColouring& c : list.colourings) {
                    EXPECT_EQ(c.orbitSize * c.stabilizerOrder, o.group->order());
                    covered += static_cast<unsigned long>(c.orbitSize);
                }
                EXPECT_EQ(covered, Power(k, o.group->degree()));
            }
    Progress progress;
    const ColouringList bracelets = ListColourings(*MakeObject("bracelet(10)", false).group, 3, {}, progress);
    ASSERT_EQ(bracelets.colourings.size(), 3210u);
    EXPECT_EQ(bracelets.colourings.front().colours, std::vector<int>(10, 0));
    EXPECT_EQ(bracelets.colourings.back().colours, std::vector<int>(10, 2));
}

TEST(CountingBruteForce, WeightedCountsAgreeWithListsAndAddUp) {
    const SymmetryObject cubeFaces = MakeObject("cube-faces", false);
    const EnumeratedGroup& cube = *cubeFaces.group;
    EXPECT_EQ(CountColouringsWithNumbers(cube, {3, 3}).count, 2);
    EXPECT_EQ(CountColouringsWithNumbers(cube, {2, 2, 2}).count, 6);
    EXPECT_EQ(CountColouringsWithNumbers(cube, {6, 0}).count, 1);
    for (const char* object : {"bracelet(7)", "cube-edges", "necklace(6)"})
        for (bool reflections : {false, true}) {
            const SymmetryObject o = MakeSymmetryObject(object, reflections);
            const EnumeratedGroup& g = *o.group;
            const int n = g.degree();
            mpz_class sum = 0;
            for (int a = 0; a <= n; ++a)
                for (int b = 0; a + b <= n; ++b) {
                    const std::vector<int> numbers{a, b, n - a - b};
                    const mpz_class count = CountColouringsWithNumbers(g, numbers).count;
                    Progress progress;
                    if (n <= 8) {
                        EXPECT_EQ(count, ListColourings(g, 3, numbers, progress).colourings.size()) << object << a << b;
                    }
                    sum += count;
                }
            EXPECT_EQ(sum, CountColourings(g, 3).count) << object;
        }
    EXPECT_THROW(CountColouringsWithNumbers(cube, {3, 2}), InvalidArgument);
    EXPECT_THROW(CountColouringsWithNumbers(cube, {7, -1}), InvalidArgument);
}

TEST(CountingCycleIndex, CubeFacesAndTable) {
    const SymmetryObject cubeFaces = MakeObject("cube-faces", false);
    const EnumeratedGroup& cube = *cubeFaces.group;
    const std::vector<CycleIndexTerm> terms = CycleIndex(cube);
    EXPECT_EQ(CycleIndexText(terms, cube.order()), "(1/24)(x1^6 + 3 x1^2 x2^2 + 6 x1^2 x4 + 6 x2^3 + 8 x3^2)");
    EXPECT_EQ(terms[0].coefficient, mpq_class(1, 24));
    EXPECT_EQ(terms[1].coefficient, mpq_class(1, 8));
    const BurnsideTable table = CountColourings(cube, 3);
    EXPECT_EQ(table.rows.size(), 5u);
    EXPECT_EQ(table.rows[0].classSize, 1u);
    EXPECT_EQ(table.rows[0].fixed, 729);
    EXPECT_EQ(table.total, 24 * 57);
    // Large counts stay exact.
    EXPECT_EQ(CountOf("necklace(40)", 30),
              mpz_class((Power(30, 40) + Power(30, 20) + 2 * Power(30, 10) + 4 * Power(30, 8) + 4 * Power(30, 5) +
                         4 * Power(30, 4) + 8 * Power(30, 2) + 16 * Power(30, 1)) /
                        40));
}

TEST(CountingActions, PointsSubsetsConjugationCosets) {
    Progress progress;
    const SymmetryObject s4 = MakeSymmetryObject("S4", false);
    const EnumeratedGroup& g = *s4.group;
    ASSERT_EQ(g.order(), 24u);
    EXPECT_EQ(g.conjugacyClasses().size(), 5u);
    const Orbits classes = FindOrbits(*ActionByConjugation(g), progress);
    std::vector<std::size_t> sizes;
    for (const auto& orbit : classes.orbits) sizes.push_back(orbit.size());
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<std::size_t>{1, 3, 6, 6, 8}));
    // The stabilizer of an element under conjugation is its centralizer.
    auto conjugation = ActionByConjugation(g);
    for (std::size_t x = 0; x < g.order(); ++x)
        EXPECT_EQ(OrbitOf(*conjugation, x).size() * Stabilizer(*conjugation, x).size(), g.order());

    const auto points = ActionOnPoints(g);
    EXPECT_EQ(FindOrbits(*points, progress).orbits.size(), 1u);
    EXPECT_EQ(Stabilizer(*points, 3).size(), 6u);

    // The square's corners: pairs split into 4 sides and 2 diagonals.
    const SymmetryObject d4 = MakeSymmetryObject("D4", false);
    const EnumeratedGroup& square = *d4.group;
    const auto pairs = ActionOnSubsets(square, 2);
    const Orbits pairOrbits = FindOrbits(*pairs, progress);
    ASSERT_EQ(pairOrbits.orbits.size(), 2u);
    EXPECT_EQ(pairs->PointName(pairOrbits.orbits[0][0]), "{1,2}");
    EXPECT_EQ(pairOrbits.orbits[0].size() + pairOrbits.orbits[1].size(), 6u);

    // S4 on the cosets of the stabilizer of point 4: four cosets, one orbit.
    const auto cosets = ActionOnCosets(g, {Permutation{{1, 0, 2, 3}}, Permutation{{1, 2, 0, 3}}});
    EXPECT_EQ(cosets->size(), 4u);
    EXPECT_EQ(FindOrbits(*cosets, progress).orbits.size(), 1u);
    EXPECT_EQ(Stabilizer(*cosets, 0).size(), 6u);
    EXPECT_THROW(ActionOnCosets(square, {Permutation{{1, 0, 2, 3}}}), InvalidArgument);
}

TEST(CountingObjects, GroupsAsPermutationsAndRefusals) {
    EXPECT_EQ(MakeSymmetryObject("perm:2134,2341", false).group->order(), 24u);
    EXPECT_EQ(MakeSymmetryObject("A4", false).group->order(), 12u);
    const SymmetryObject d6 = MakeSymmetryObject("D6", false);
    EXPECT_EQ(d6.group->degree(), 6);
    EXPECT_EQ(CountColourings(*d6.group, 2).count, CountOf("bracelet(6)", 2));
    EXPECT_EQ(CountOf("Z5", 3), CountOf("necklace(5)", 3));
    // Fixed points of the generators are points to colour as well.
    EXPECT_EQ(CountOf("perm:2134", 2), 12);
    for (const char* bad :
         {"Q8", "Z2xZ2", "U8", "necklace(0)", "necklace(x)", "cube-sides", "bracelet(1001)", "S9", "<a|a^3>"})
        EXPECT_THROW(MakeSymmetryObject(bad, false), InvalidArgument) << bad;
    EXPECT_THROW(MakeSymmetryObject("S4", true), InvalidArgument);
    EXPECT_THROW(CountColourings(*MakeObject("cube-faces", false).group, 0), InvalidArgument);
    Progress progress;
    EXPECT_THROW(ListColourings(*MakeObject("necklace(12)", false).group, 4, {}, progress), InvalidArgument);
    // Closure stops above its limit.
    std::vector<int> cycle(9);
    std::iota(cycle.begin(), cycle.end(), 1);
    cycle.back() = 0;
    EXPECT_THROW(EnumeratedGroup(9, {Permutation{cycle}, Permutation{{1, 0, 2, 3, 4, 5, 6, 7, 8}}}), InvalidArgument);
}

TEST(CountingActions, SubsetOrbitsAreTwoColourNecklacesAndClassesOfS5) {
    // A k-subset is a colouring with k points of colour 1: the action on
    // subsets and the weighted count agree.
    for (const char* object : {"necklace(9)", "bracelet(8)", "cube-vertices"}) {
        const SymmetryObject o = MakeObject(object, false);
        for (int k = 0; k <= o.group->degree(); ++k) {
            Progress progress;
            EXPECT_EQ(FindOrbits(*ActionOnSubsets(*o.group, k), progress).orbits.size(),
                      CountColouringsWithNumbers(*o.group, {k, o.group->degree() - k}).count)
                << object << " " << k;
        }
    }
    const SymmetryObject s5 = MakeSymmetryObject("perm:21345,23451", false);
    std::vector<std::size_t> sizes;
    for (const ConjugacyClass& c : s5.group->conjugacyClasses()) sizes.push_back(c.members.size());
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<std::size_t>{1, 10, 15, 20, 20, 24, 30}));
}

TEST(CountingBruteForce, AStoppedListingSaysSo) {
    const SymmetryObject o = MakeObject("necklace(12)", false);
    Progress progress;
    progress.RequestStop();
    const ColouringList list = ListColourings(*o.group, 2, {}, progress);
    EXPECT_TRUE(list.halted);
    EXPECT_LT(list.colourings.size(), 352u);
    EXPECT_FALSE(list.colourings.empty());
}

}  // namespace
}  // namespace quorix::counting
