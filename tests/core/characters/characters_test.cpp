// Character tables against tables known by hand, the table's own checks over
// the test zoo, and Sylow subgroups.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/characters/character_table.h"
#include "core/characters/character_text.h"
#include "core/characters/sylow.h"
#include "support/groups.h"

namespace quorix {
namespace {

using testing::spec;

CharacterTable TableOf(const Group& g) {
    Progress progress;
    return ComputeCharacterTable(g, progress);
}

// Rows as value texts, for comparing whole tables.
std::vector<std::vector<std::string>> Texts(const CharacterTable& t) {
    std::vector<std::vector<std::string>> rows;
    for (const Character& chi : t.characters) {
        rows.emplace_back();
        for (const Cyclotomic& v : chi.values) rows.back().push_back(v.Text());
    }
    return rows;
}

std::vector<SylowSubgroups> Sylow(const Group& g, bool all = false) {
    Progress progress;
    return ComputeSylowSubgroups(g, progress, all).primes;
}

std::vector<int> Degrees(const CharacterTable& t) {
    std::vector<int> d;
    for (const Character& chi : t.characters) d.push_back(chi.degree);
    return d;
}

TEST(CyclotomicTest, ReadableForms) {
    EXPECT_EQ(Cyclotomic(5, {0, 1, 0, 0, 1}).Text(), "(-1+√5)/2");
    EXPECT_EQ(Cyclotomic(5, {0, 0, 1, 1, 0}).Text(), "(-1-√5)/2");
    EXPECT_EQ(Cyclotomic(5, {1, 1, 0, 0, 1}).Text(), "(1+√5)/2");
    EXPECT_EQ(Cyclotomic(4, {0, 1, 0, 0}).Text(), "i");
    EXPECT_EQ(Cyclotomic(4, {0, 0, 0, 1}).Text(), "-i");
    EXPECT_EQ(Cyclotomic(3, {0, 1, 0}).Text(), "(-1+i√3)/2");
    EXPECT_EQ(Cyclotomic(8, {0, 1, 0, 0, 0, 0, 0, 1}).Text(), "√2");
    EXPECT_EQ(Cyclotomic(8, {0, 1, 0, 1, 0, 0, 0, 0}).Text(), "i√2");
    EXPECT_EQ(Cyclotomic(6, {0, 0, 0, 3, 0, 0}).Text(), "-3");
    EXPECT_EQ(Cyclotomic(7, {0, 1, 1, 0, 1, 0, 0}).Text(), "(-1+i√7)/2");
    EXPECT_EQ(Cyclotomic(8, {0, 1, 0, 0, 0, 0, 0, 0}).Text(), "ζ_8");
    EXPECT_EQ(Cyclotomic(9, {0, 1, 0, 0, 0, 0, 0, 0, 1}).Text(), "ζ_9+ζ_9^8");
    // The three cube roots of unity sum to zero.
    EXPECT_EQ(Cyclotomic(3, {1, 1, 1}), Cyclotomic::Integer(0));
    EXPECT_TRUE(Cyclotomic(5, {2, 0, 0, 0, 0}).IsRational());
    EXPECT_FALSE(Cyclotomic(5, {0, 1, 0, 0, 1}).IsRational());
}

TEST(CharacterTableTest, CyclicGroupIsItsDual) {
    const CharacterTable t = TableOf(*spec("Z5"));
    ASSERT_EQ(t.characters.size(), 5u);
    EXPECT_EQ(t.classes[0].label, "1a");
    EXPECT_EQ(t.classes[4].label, "5d");
    for (const Character& chi : t.characters) {
        EXPECT_EQ(chi.degree, 1);
        // Only the trivial character is real.
        EXPECT_EQ(chi.real, &chi == &t.characters[0]);
    }
    EXPECT_EQ(t.characters[0].kernelOrder, 5);
    EXPECT_EQ(t.characters[1].kernelOrder, 1);
    EXPECT_TRUE(t.checks.Pass(5));
}

TEST(CharacterTableTest, SymmetricGroupOfDegreeThree) {
    const CharacterTable t = TableOf(*spec("S3"));
    ASSERT_EQ(t.classes.size(), 3u);
    EXPECT_EQ(t.classes[1].size, 3);
    EXPECT_EQ(t.classes[1].centralizerOrder, 2);
    const std::vector<std::vector<std::string>> expected{{"1", "1", "1"}, {"1", "-1", "1"}, {"2", "0", "-1"}};
    EXPECT_EQ(Texts(t), expected);
    EXPECT_EQ(t.characters[1].kernelOrder, 3);
    for (const Character& chi : t.characters) EXPECT_EQ(chi.indicator, 1);
}

TEST(CharacterTableTest, QuaternionAndDihedralShareTheTableNotTheIndicators) {
    const CharacterTable q = TableOf(*testing::quaternion());
    const CharacterTable d = TableOf(*testing::dihedral(4));
    EXPECT_EQ(Texts(q), Texts(d));
    EXPECT_EQ(Degrees(q), (std::vector<int>{1, 1, 1, 1, 2}));
    EXPECT_EQ(q.characters[4].indicator, -1);
    EXPECT_EQ(d.characters[4].indicator, 1);
    EXPECT_EQ(q.characters[4].kernelOrder, 1);
    EXPECT_TRUE(q.characters[4].rational);
}

TEST(CharacterTableTest, AlternatingGroupsAndS4) {
    const CharacterTable a4 = TableOf(*spec("A4"));
    EXPECT_EQ(Degrees(a4), (std::vector<int>{1, 1, 1, 3}));
    int complex = 0;
    for (const Character& chi : a4.characters) complex += chi.indicator == 0;
    EXPECT_EQ(complex, 2);
    EXPECT_EQ(a4.characters[3].kernelOrder, 1);
    EXPECT_EQ(a4.characters[1].kernelOrder, 4);

    EXPECT_EQ(Degrees(TableOf(*spec("S4"))), (std::vector<int>{1, 1, 2, 3, 3}));

    const CharacterTable a5 = TableOf(*spec("A5"));
    EXPECT_EQ(Degrees(a5), (std::vector<int>{1, 3, 3, 4, 5}));
    std::multiset<std::string> values;
    for (const Character& chi : a5.characters)
        for (const Cyclotomic& v : chi.values) values.insert(v.Text());
    EXPECT_EQ(values.count("(1+√5)/2"), 2u);
    EXPECT_EQ(values.count("(1-√5)/2"), 2u);
    EXPECT_FALSE(a5.characters[1].rational);
    EXPECT_TRUE(a5.characters[1].real);
    EXPECT_TRUE(a5.characters[3].rational);
    const std::vector<std::string> legend = CharacterLegend(a5);
    EXPECT_EQ(legend, (std::vector<std::string>{"√d = the positive square root of d"}));
}

// One degree per partition for S7; PSL(2,19) with its twelve classes and the
// two characters of degree 9 that tell the unipotent classes apart by i√19.
TEST(CharacterTableTest, SymmetricGroupOfDegreeSevenAndPSL219) {
    if (!testing::kFullSizeGroups) GTEST_SKIP() << "groups of thousands of elements: the Release build checks them";
    const CharacterTable s7 = TableOf(*spec("S7"));
    EXPECT_EQ(Degrees(s7), (std::vector<int>{1, 1, 6, 6, 14, 14, 14, 14, 15, 15, 20, 21, 21, 35, 35}));
    EXPECT_TRUE(s7.checks.Pass(5040));
    for (const Character& chi : s7.characters) EXPECT_TRUE(chi.rational);

    const CharacterTable psl = TableOf(*spec("PSL(2,19)"));
    EXPECT_EQ(Degrees(psl), (std::vector<int>{1, 9, 9, 18, 18, 18, 18, 19, 20, 20, 20, 20}));
    EXPECT_TRUE(psl.checks.Pass(3420));
    std::vector<int> sizes;
    for (const CharacterClass& c : psl.classes) sizes.push_back(c.size);
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{1, 171, 180, 180, 342, 342, 342, 342, 380, 380, 380, 380}));
    int unipotent = 0;
    for (const Character& chi : psl.characters)
        for (const Cyclotomic& v : chi.values) unipotent += v.Text() == "(-1+i√19)/2";
    EXPECT_EQ(unipotent, 2);
}

TEST(CharacterTableTest, ChecksAndSylowCountsOverTheZoo) {
    // The sanitizer builds take the same paths on the smaller groups.
    for (const testing::NamedGroup& entry : testing::zoo(testing::kFullSizeGroups ? 120 : 48)) {
        const CharacterTable t = TableOf(*entry.group);
        SCOPED_TRACE(entry.label);
        EXPECT_TRUE(t.checks.Pass(entry.group->order()));
        EXPECT_EQ(t.characters[0].kernelOrder, entry.group->order());
        // Σ ν(χ)·χ(1) counts the square roots of 1; the kernels meet in {1}.
        const Group& g = *entry.group;
        int roots = 0, weighted = 0;
        for (int x = 1; x <= g.order(); ++x) roots += g.mul(x, x) == 1;
        ElementSet kernels;
        kernels.set();
        for (const Character& chi : t.characters) {
            weighted += chi.indicator * chi.degree;
            kernels &= chi.kernel;
            EXPECT_TRUE(!chi.rational || chi.real);
            EXPECT_EQ(g.order() % chi.degree, 0);
        }
        EXPECT_EQ(weighted, roots);
        EXPECT_EQ(kernels.count(), 1u);
        for (const SylowSubgroups& s : Sylow(g)) {
            EXPECT_EQ(static_cast<int>(s.subgroup.count()), s.order);
            EXPECT_EQ(s.count % s.prime, 1);
            EXPECT_EQ(g.order() / s.order % s.count, 0);
            EXPECT_NE(s.order % s.prime == 0 ? g.order() / s.order % s.prime : 0, 0);
        }
    }
}

TEST(CharacterTextTest, UnicodeLatexAndNormalSubgroups) {
    EXPECT_EQ(ValueUnicode("ζ_7+ζ_7^12"), "ζ₇+ζ₇¹²");
    EXPECT_EQ(ValueLatex("(-1+√5)/2"), "\\frac{-1+\\sqrt{5}}{2}");
    EXPECT_EQ(ValueLatex("ζ_8^3"), "\\zeta_{8}^{3}");
    const GroupPtr s4 = spec("S4");
    const CharacterTable t = TableOf(*s4);
    const std::string latex = CharacterTableLatex(t, {"1", "a", "b", "c", "d"});
    EXPECT_NE(latex.find("$\\chi_{5}$ & $3$ & $-1$ & $-1$ & $0$ & $1$ \\\\"), std::string::npos);
    std::vector<ElementSet> classes;
    for (const CharacterClass& c : t.classes) classes.push_back(c.members);
    std::vector<std::size_t> orders;
    for (const ElementSet& n : NormalSubgroupsFromClasses(*s4, classes, 60)) orders.push_back(n.count());
    EXPECT_EQ(orders, (std::vector<std::size_t>{1, 4, 12, 24}));
}

TEST(CharacterTableTest, HaltedBeforeTheEnd) {
    Progress progress;
    progress.RequestStop();
    const CharacterTable t = ComputeCharacterTable(*spec("S4"), progress);
    EXPECT_TRUE(t.halted);
    EXPECT_TRUE(t.characters.empty());
}

TEST(SylowTest, CountsOfS4AndA5) {
    std::map<int, int> counts;
    for (const SylowSubgroups& s : Sylow(*spec("S4"), true)) {
        counts[s.prime] = s.count;
        EXPECT_EQ(static_cast<int>(s.subgroup.count()), s.order);
        EXPECT_EQ(static_cast<int>(s.conjugates.size()), s.count);
        EXPECT_EQ(s.count % s.prime, 1);
    }
    EXPECT_EQ(counts, (std::map<int, int>{{2, 3}, {3, 4}}));
    counts.clear();
    for (const SylowSubgroups& s : Sylow(*spec("A5"))) counts[s.prime] = s.count;
    EXPECT_EQ(counts, (std::map<int, int>{{2, 5}, {3, 10}, {5, 6}}));
    EXPECT_TRUE(Sylow(*spec("Z1")).empty());
    // A stop ends it at once with the primes done before.
    Progress stopped;
    stopped.RequestStop();
    const SylowResult halted = ComputeSylowSubgroups(*spec("A5"), stopped);
    EXPECT_TRUE(halted.halted);
    EXPECT_TRUE(halted.primes.empty());
}

// Numbers known from the structure of the groups; the conjugates in the
// order of their first conjugating position, as a literal walk lists them.
TEST(SylowTest, CountsPast120AndConjugatesInWitnessOrder) {
    const std::vector<std::pair<const char*, std::map<int, int>>> known = {
        {"S6", {{2, 45}, {3, 10}, {5, 36}}},
        {"A7", {{2, 315}, {3, 70}, {5, 126}, {7, 120}}},
        {"S7", {{2, 315}, {3, 70}, {5, 126}, {7, 120}}},
        {"PSL(2,19)", {{2, 285}, {3, 190}, {5, 171}, {19, 20}}}};
    for (const auto& [name, expected] : known) {
        if (!testing::kFullSizeGroups && std::string(name) != "S6") continue;
        std::map<int, int> counts;
        for (const SylowSubgroups& s : Sylow(*spec(name))) counts[s.prime] = s.count;
        EXPECT_EQ(counts, expected) << name;
    }
    for (const char* name : {"S4", "SL(2,3)", "S5", "D12"}) {
        const GroupPtr g = spec(name);
        for (const SylowSubgroups& s : Sylow(*g, true)) {
            std::vector<ElementSet> walk;
            for (int x = 1; x <= g->order(); ++x) {
                ElementSet c;
                for (int e = 1; e <= g->order(); ++e)
                    if (s.subgroup.test(static_cast<std::size_t>(e)))
                        c.set(static_cast<std::size_t>(g->mul(g->mul(g->inv(x), e), x)));
                if (std::find(walk.begin(), walk.end(), c) == walk.end()) walk.push_back(c);
            }
            EXPECT_EQ(s.conjugates, walk) << name << " p = " << s.prime;
        }
    }
}

TEST(SylowTest, NormalInAbelianGroupsAndNamed) {
    for (const SylowSubgroups& s : Sylow(*spec("Z2xZ6"))) EXPECT_TRUE(s.normal);
    const GroupPtr s4 = spec("S4");
    Catalogue catalogue;
    Progress progress;
    const SylowSubgroups two = Sylow(*s4)[0];
    EXPECT_NE(SubgroupCatalogueNote(catalogue, s4, two.subgroup, progress).find("D"), std::string::npos);
}

}  // namespace
}  // namespace quorix
