// The permutation-group engine against facts derivable by hand: orders of
// S_n, A_n, the cube and the Mathieu groups, the cube's centre and derived
// subgroup, reachable and unreachable cube positions, and words that
// multiply out to the element they were asked for.
#include <gtest/gtest.h>

#include "core/analysis/facts.h"
#include "core/group/errors.h"
#include "core/perm/perm_spec.h"
#include "core/presentation/presented_group.h"

// Inside the engine's namespace rather than with a using-directive, which
// would leak into the other files of a unity batch.
namespace quorix::perm {

namespace {

PermGroupPtr Make(const std::string& spec) {
    Progress quiet;
    return MakePermGroup(*ReadPermSpec(spec), quiet);
}

Perm Evaluate(const PermGroup& g, const Word& w) {
    Perm p = Identity(g.degree());
    for (int letter : w) {
        const Perm& s = g.generators()[static_cast<std::size_t>((letter < 0 ? -letter : letter) - 1)];
        p = Multiply(p, letter < 0 ? Inverse(s) : s);
    }
    return p;
}

// A cube state from cycles of facelets.
Perm Cube(const char* cycles) { return ParseCycles(cycles, 48); }

}  // namespace

TEST(PermGroup, OrdersOfSymmetricAlternatingAndMathieuGroups) {
    EXPECT_EQ(Make("S7")->Order(), 5040);
    EXPECT_EQ(Make("A8")->Order(), 20160);
    EXPECT_EQ(Make("S100")->Order(), Factorial(100));
    EXPECT_EQ(Make("A1000")->Order(), Factorial(1000) / 2);
    EXPECT_EQ(Make("S1")->Order(), 1);
    EXPECT_EQ(Make("M11")->Order(), 7920);
    EXPECT_EQ(Make("M12")->Order(), 95040);
    EXPECT_EQ(Make("M22")->Order(), 443520);
    EXPECT_EQ(Make("M23")->Order(), 10200960);
    EXPECT_EQ(Make("M24")->Order(), 244823040);
    EXPECT_EQ(Make("Rubik2")->Order(), 88179840);  // 8! 3^7: no fixed centres
    // Two generators that look nothing like the standard ones: a 9-cycle and
    // a 3-cycle give A9, a 12-cycle and a transposition of non-adjacent
    // points whose gap is coprime to 12 give S12, gap 2 only a wreath product.
    EXPECT_EQ(Make("perm:(1,2,3,4,5,6,7,8,9),(1,5,7)")->Order(), Factorial(9) / 2);
    EXPECT_EQ(Make("perm:(1,2,3,4,5,6,7,8,9,10,11,12),(1,6)")->Order(), Factorial(12));
    EXPECT_EQ(Make("perm:(1,2,3,4,5,6,7,8,9,10,11,12),(1,3)")->Order(), 2 * Factorial(6) * Factorial(6));
    // Intransitive: the direct product of S4 and Z5 on disjoint points.
    auto g = Make("perm:(1,2,3,4),(1,2),(5,6,7,8,9)");
    EXPECT_EQ(g->Order(), 120);
    EXPECT_EQ(g->Orbits().size(), 2u);
    EXPECT_FALSE(g->IsTransitive());
    EXPECT_EQ(FactorisedString(g->Order()), "2^3 * 3 * 5");
}

TEST(PermGroup, TheCubeGroup) {
    auto cube = Make("Rubik");
    EXPECT_EQ(cube->Order().get_str(), "43252003274489856000");
    EXPECT_EQ(FactorisedString(cube->Order()), "2^27 * 3^14 * 5^3 * 7^2 * 11");
    EXPECT_EQ(cube->Orbits().size(), 2u);  // corner and edge facelets
    EXPECT_FALSE(cube->IsAbelian());
    Progress quiet;
    EXPECT_EQ(cube->CentreOrder(quiet), mpz_class(2));  // the superflip
    auto derived = cube->DerivedSubgroup(quiet);
    EXPECT_EQ(cube->Order() / derived->Order(), 2);
    EXPECT_EQ(cube->DerivedSeriesOrders(quiet).size(), 2u);  // G' is perfect: not solvable

    // One flipped edge (UF: facelets 7 and 18) is unreachable, two (UF and UB: 2 and 34) are.
    const Perm oneFlip = Cube("(7,18)");
    const Perm twoFlips = Cube("(7,18)(2,34)");
    EXPECT_FALSE(cube->Contains(oneFlip));
    EXPECT_TRUE(cube->Contains(twoFlips));
    // One corner twisted, and two corners swapped, are not positions either.
    EXPECT_FALSE(cube->Contains(Cube("(8,19,25)")));
    EXPECT_FALSE(cube->Contains(Cube("(6,8)(17,19)(18,25)")));

    auto words = cube->WordChain(quiet);
    ASSERT_TRUE(words);
    for (const Perm& p : std::vector<Perm>{twoFlips, cube->RandomElements(7, 1)[0], Identity(48)}) {
        std::optional<Word> w = words->WordOf(p);
        ASSERT_TRUE(w);
        const Word reduced = ReduceWord(*w, cube->GeneratorOrders());
        EXPECT_EQ(Evaluate(*cube, reduced), p);
        EXPECT_LT(reduced.size(), 20000u);
    }
    EXPECT_FALSE(words->WordOf(oneFlip));
}

TEST(PermGroup, StabilizersCentresAndSeries) {
    Progress quiet;
    auto s6 = Make("S6");
    EXPECT_EQ(s6->Stabilizer({0, 1}, quiet)->Order(), 24);
    EXPECT_EQ(Make("S20")->Stabilizer({0, 1, 2}, quiet)->Order(), Factorial(17));
    EXPECT_EQ(Make("M24")->Stabilizer({0}, quiet)->Order(), 10200960);
    EXPECT_EQ(*s6->CentreOrder(quiet), 1);
    // D8 on four points: centre of order 2, derived series 8, 2, 1: solvable.
    auto d8 = Make("perm:(1,2,3,4),(1,3)");
    EXPECT_EQ(*d8->CentreOrder(quiet), 2);
    EXPECT_EQ(d8->DerivedSeriesOrders(quiet), (std::vector<mpz_class>{8, 2, 1}));
    // Q8 in its regular action: the centralizer in Sym(8) is not in the group.
    auto q8 = Make("perm:(1,2,4,7)(3,6,8,5),(1,3,4,8)(2,5,7,6)");
    EXPECT_EQ(q8->Order(), 8);
    EXPECT_EQ(*q8->CentreOrder(quiet), 2);
    // Z3 x S3 on disjoint points: centre Z3.
    EXPECT_EQ(*Make("perm:(1,2,3),(4,5,6),(4,5)")->CentreOrder(quiet), 3);
    EXPECT_EQ(Make("M11")->DerivedSeriesOrders(quiet), (std::vector<mpz_class>{7920}));
}

TEST(PermGroup, MembershipRandomElementsAndGiants) {
    auto s1000 = Make("S1000");
    EXPECT_EQ(s1000->giant(), PermGroup::Giant::Symmetric);
    auto a100 = Make("A100");
    for (const Perm& p : a100->RandomElements(3, 5)) {
        EXPECT_TRUE(a100->Contains(p));
        EXPECT_TRUE(IsEven(p));
    }
    EXPECT_FALSE(a100->Contains(ParseCycles("(1,2)", 100)));
    EXPECT_TRUE(s1000->Contains(ParseCycles("(1,1000)", 1000)));
    // Seeded: the same seed gives the same elements; elements lie in the group.
    auto m12 = Make("M12");
    EXPECT_EQ(m12->RandomElements(5, 3), m12->RandomElements(5, 3));
    for (const Perm& p : m12->RandomElements(9, 20)) EXPECT_TRUE(m12->Contains(p));
    EXPECT_FALSE(m12->Contains(ParseCycles("(1,2)", 12)));
}

TEST(PermSpec, ReadsCycleAndOneLineNotationAndRefusesBadText) {
    EXPECT_EQ(CycleString(ParseCycles("(1,2)(2,3)")), "(1,3,2)");
    EXPECT_EQ(CycleString(ParseCycles("()")), "()");
    auto list = ParsePermutationList("(1,2,3), 2134");
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(CycleString(list[1]), "(1,2)");
    EXPECT_EQ(list[0].size(), 4u);
    EXPECT_FALSE(ReadPermSpec("Z5"));
    EXPECT_FALSE(ReadPermSpec("D4"));
    for (const char* bad : {"perm:(1,2", "perm:(1,1)", "perm:(0,2)", "perm:(1,1001)", "perm:(1,2),,(3,4)",
                            "perm:(1,2))", "perm:(a,b)", "S1001", "A0", "perm:1123"})
        EXPECT_THROW(ReadPermSpec(bad), InvalidArgument) << bad;
}

TEST(CycleNotationGroups, BecomeTablesNamedInCycleNotation) {
    GroupPtr g = MakeGroupFromDescription("perm:(1,2,3),(1,2)");
    EXPECT_EQ(g->Order(), 6);
    EXPECT_EQ(g->SourceElement(1), "()");
    EXPECT_EQ(g->SourceElement(2), "(1,2,3)");
    EXPECT_EQ(g->SourceElement(3), "(1,2)");
    EXPECT_EQ(g->SourceElement(4), "(1,3,2)");
    // Degree past one-line notation; the description is kept for the register.
    GroupPtr far = MakeGroupFromDescription("perm:(1,500)(2,999)");
    EXPECT_EQ(far->Order(), 2);
    EXPECT_EQ(far->Description(), "perm:(1,500)(2,999)");
    EXPECT_EQ(MakeGroupFromDescription("perm:()")->Order(), 1);
    EXPECT_THROW(MakeGroupFromDescription("perm:(1,2,3,4,5,6,7,8),(1,2)"), InvalidArgument);  // S8: no table
}

// Random generators on up to 7 points (with fixed points, several orbits):
// the chain's answers against the table engine's for the same group.
TEST(PermGroup, AgreesWithTheTableEngineOnRandomSmallGroups) {
    std::uint64_t state = 99;
    auto next = [&state](std::uint64_t n) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return (state >> 33) % n;
    };
    int compared = 0;
    for (int trial = 0; trial < 300 && compared < 60; ++trial) {
        const int degree = 3 + static_cast<int>(next(5));
        std::vector<Perm> gens;
        for (std::uint64_t k = 0, count = 1 + next(3); k < count; ++k) {
            Perm p = Identity(degree);
            for (int i = degree - 1; i > 0; --i)
                std::swap(p[static_cast<std::size_t>(i)], p[next(static_cast<std::uint64_t>(i) + 1)]);
            // Keep some points fixed now and then, for intransitive groups.
            if (next(2)) p = Multiply(p, Power(p, 1 + static_cast<long long>(next(3))));
            gens.push_back(p);
        }
        std::string spec = "perm:";
        for (const Perm& g : gens) spec += (spec.size() > 5 ? "," : "") + CycleString(g);
        Progress quiet;
        auto g = PermGroup::Create(degree, gens);
        // The groups of at most 120 elements: the table engine's facts of them take moments.
        if (g->Order() > 120) continue;
        const GroupFacts table = ComputeGroupFacts(MakeGroupFromDescription(spec));
        const std::vector<mpz_class> series = g->DerivedSeriesOrders(quiet);
        EXPECT_EQ(g->Order(), table.order) << spec;
        EXPECT_EQ(*g->CentreOrder(quiet), table.center) << spec;
        EXPECT_EQ(series.size() > 1 ? series[1] : series[0], table.commutator) << spec;
        EXPECT_EQ(series.back() == 1, table.solvable) << spec;
        EXPECT_EQ(g->IsAbelian(), table.abelian) << spec;
        ++compared;
    }
    EXPECT_GE(compared, 40);
}

}  // namespace quorix::perm
