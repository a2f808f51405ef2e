// Presentations: reading them, enumerating their cosets, and the groups
// they define against the same groups built another way.
#include <gtest/gtest.h>

#include "core/compare/homomorphism.h"
#include "core/group/families.h"
#include "core/group/group_spec.h"
#include "core/presentation/coset_enumeration.h"
#include "core/presentation/presented_group.h"
#include "support/groups.h"
#include "support/test_progress.h"

using namespace quorix;
namespace qt = quorix::testing;

namespace {

bool Isomorphic(const GroupPtr& a, const GroupPtr& b) {
    if (a->Order() != b->Order()) return false;
    SharedHomomorphism shared;
    return TestIsomorphic(shared, *a, *b);
}

std::string Error(const std::string& text) {
    try {
        MakeGroupFromDescription(text);
    } catch (const InvalidArgument& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(Presentation, ReadsWordsExponentsCommutatorsAndChains) {
    const Presentation p = ParsePresentation(" < a , b | a^4 = b^2 = 1, (ab)^-2, [a,b]a*b, a a^-1 > ");
    EXPECT_EQ(p.generators, "ab");
    // a^4 b^-2, b^2, b^-1 a^-1 b^-1 a^-1, a^-1 b^-1 a b a b; a a^-1 vanishes.
    ASSERT_EQ(p.relators.size(), 4u);
    EXPECT_EQ(p.relators[0], (Word{0, 0, 0, 0, 3, 3}));
    EXPECT_EQ(p.relators[1], (Word{2, 2}));
    EXPECT_EQ(p.relators[2], (Word{3, 1, 3, 1}));
    EXPECT_EQ(p.relators[3], (Word{1, 3, 0, 2, 0, 2}));
    EXPECT_EQ(WordName({0, 0, 3, 0}, "ab"), "a|2|b|-1|a");
    EXPECT_EQ(WordName({}, "ab"), "1");
    EXPECT_EQ(CompactPresentation("< a, b | a^2 >"), "<a,b|a^2>");
}

TEST(Presentation, EveryFaultNamesItsPlace) {
    EXPECT_EQ(Error("<a,b | a^4, b^2, c>"),
              "Relation 3 uses 'c' (character 18), which is not a generator of the presentation (generators: a, b).");
    EXPECT_EQ(Error("<a,b | a^4, (ab>"), "The presentation has an error at character 16 ('>'): expected ')'.");
    EXPECT_EQ(Error("<a,a | a^2>"),
              "The presentation has an error at character 4 ('a'): the generator 'a' is named twice.");
    EXPECT_EQ(Error("<a,b | a^>"),
              "The presentation has an error at character 10 ('>'): expected a whole number after '^'.");
    EXPECT_EQ(
        Error("<ab | a^2>"),
        "The presentation has an error at character 3 ('b'): generators are single letters, separated by commas.");
    EXPECT_EQ(Error("<a | a^2"),
              "The presentation has an error at the end: expected ',' between relations or '>' at the end.");
    EXPECT_EQ(Error("<a | a^2> x"),
              "The presentation has an error at character 11 ('x'): nothing may follow the closing '>'.");
    EXPECT_NE(Error("<a | a^99999999>").find("too large"), std::string::npos);
    EXPECT_NE(Error("<a | (a^5000)^5000>").find("too long"), std::string::npos);
}

TEST(Presentation, KnownPresentationsGiveTheirGroups) {
    struct Case {
        const char* presentation;
        GroupPtr group;
    };
    const Case cases[] = {
        {"<a | a^6>", MakeGroupFromSpec("Z6")},
        {"<a,b | a^4, b^2, (ab)^2>", MakeDihedralGroup(4)},
        {"<r,s | r^5 = s^2 = 1, srs^-1 = r^-1>", MakeDihedralGroup(5)},
        {"<a,b | a^4, a^2 = b^2, b a b^-1 = a^-1>", MakeQuaternionGroup()},
        {"<a,b | a^6, a^3 = b^2, bab^-1 = a^-1>", MakeDicyclicGroup(3)},
        {"<a,b | a^2, b^3, (ab)^3>", MakeGroupFromSpec("A4")},
        {"<a,b | a^2, b^3, (ab)^4>", MakeGroupFromSpec("S4")},
        {"<a,b | a^2, b^3, (ab)^5>", MakeGroupFromSpec("A5")},
        {"<a,b | a^2, b^3, (ab)^5>", MakeGroupFromSpec("PSL(2,5)")},
        {"<a,b | a^3, b^3, (ab)^2, [a,b]^0>", MakeGroupFromSpec("A4")},
        {"<a,b | a^2, b^2, [a,b]>", MakeGroupFromSpec("Z2xZ2")},
        {"<a,b,c | a^2, b^2, c^2, (ab)^3, (bc)^3, (ac)^2, (abc)^4 = 1>", MakeGroupFromSpec("S4")},
        {"<s,t,u,v | s^2, t^2, u^2, v^2, (st)^3, (tu)^3, (uv)^3, (su)^2, (sv)^2, (tv)^2>", MakeGroupFromSpec("S5")},
        {"<a,b | a^5, b^4, b a b^-1 = a^2>", nullptr},  // the Frobenius group of order 20
        {"<a,b | a^7 = b^3 = 1, bab^-1 = a^2>", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.presentation);
        const GroupPtr g = MakeGroupFromDescription(c.presentation);
        ASSERT_TRUE(g);
        EXPECT_EQ(qt::checkGroupAxioms(*g), "");
        EXPECT_EQ(g->MethodOfGeneration(), GenerationMethod::Described);
        EXPECT_EQ(g->Description(), CompactPresentation(c.presentation));
        if (c.group) {
            EXPECT_TRUE(Isomorphic(g, c.group));
        }
    }
    EXPECT_EQ(MakeGroupFromDescription("<a,b | a^5, b^4, b a b^-1 = a^2>")->Order(), 20);
    EXPECT_EQ(MakeGroupFromDescription("<a,b | a^7 = b^3 = 1, bab^-1 = a^2>")->Order(), 21);
    EXPECT_EQ(MakeGroupFromDescription("<a | a>")->Order(), 1);
}

TEST(Presentation, ElementsAreShortlexWordsInOrder) {
    const GroupPtr d4 = MakeGroupFromDescription("<a,b | a^4, b^2, (ab)^2>");
    std::vector<std::string> names;
    for (int i = 1; i <= d4->Order(); ++i) names.push_back(d4->SourceElement(i));
    EXPECT_EQ(names, (std::vector<std::string>{"1", "a", "a|-1|", "b", "a|2|", "ab", "a|-1|b", "a|2|b"}));
    EXPECT_EQ(d4->GroupID(), "Pres8");
}

TEST(Presentation, InfiniteAndLargeGroupsAreRefusedWithOneSentence) {
    EXPECT_EQ(Error("<a,b | ab = ba>"),
              "The presentation defines an infinite group: its relations leave a generator of infinite order once "
              "the generators commute.");
    const std::string limit = std::to_string(kMaxGroupOrder);
    // Each of the two refusals below runs the enumeration to its limit.
    if (qt::kFullSizeGroups) {
        EXPECT_EQ(Error("<a,b | a^2, b^3, (ab)^7>"),
                  "The presentation defines an infinite group or one with more than " + limit +
                      " elements (coset enumeration passed 504,000 cosets).");
    }
    EXPECT_EQ(Error("<a,b | a^2, b^3>").substr(0, 40), "The presentation defines an infinite gro");
    // Long relators: a single scan needs more cosets than the table holds.
    EXPECT_EQ(Error("<a,b | a^9000, b^9000, [a,b]>").substr(0, 40), "The presentation defines an infinite gro");
    EXPECT_EQ(Error("<a | a^9000>"),
              "The presentation defines a group of order 9000, more than " + limit + " elements.");
    // Z3 * Z3 with a long relator refilled its full table for minutes.
    if (qt::kFullSizeGroups) {
        EXPECT_EQ(Error("<a,b|a^705 a^72,b^3,(a)a^2>"),
                  "The presentation defines an infinite group or one with more than " + limit +
                      " elements (coset enumeration did not close within 100,000,000 relator letters).");
    }
}

TEST(Presentation, HaltStopsTheEnumeration) {
    qt::TestProgress progress(1);
    const PresentedGroup r = MakeGroupFromPresentation("<a,b | a^2, b^3, (ab)^7>", progress);
    EXPECT_TRUE(r.halted);
    EXPECT_FALSE(r.group);
}

TEST(Presentation, FamiliesAgreeWithEachOther) {
    EXPECT_TRUE(Isomorphic(MakeGroupFromSpec("PSL(2,5)"), MakeGroupFromSpec("A5")));
    EXPECT_TRUE(Isomorphic(MakeGroupFromSpec("PGL(2,5)"), MakeGroupFromSpec("S5")));
    EXPECT_TRUE(Isomorphic(MakeGroupFromSpec("SL(2,3)"), qt::specialLinear23()));
    EXPECT_FALSE(Isomorphic(MakeGroupFromSpec("SL(2,3)"), MakeGroupFromSpec("S4")));
    EXPECT_FALSE(Isomorphic(MakeGroupFromSpec("SL(2,5)"), MakeGroupFromSpec("S5")));
    EXPECT_TRUE(Isomorphic(MakeGroupFromSpec("PGL(2,3)"), MakeGroupFromSpec("S4")));
    EXPECT_FALSE(Isomorphic(MakeDihedralGroup(12), MakeGroupFromSpec("D6xZ2")));
    EXPECT_TRUE(Isomorphic(MakeDihedralGroup(6), MakeGroupFromSpec("D3xZ2")));
    EXPECT_TRUE(Isomorphic(MakeDicyclicGroup(4), MakeGroupFromDescription("<a,b | a^8, a^4 = b^2, b^-1ab = a^-1>")));
    EXPECT_TRUE(Isomorphic(MakeDicyclicGroup(15), MakeGroupFromDescription("<a,x | a^30, x^2 = a^15, xax^-1 = a^-1>")));
}
