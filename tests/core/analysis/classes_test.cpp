// Conjugacy classes of elements and of subgroups, and cycle notation.

#include <gtest/gtest.h>

#include <set>

#include "core/analysis/conjugacy_classes.h"
#include "core/analysis/cycle_notation.h"
#include "core/analysis/subgroups.h"
#include "support/test_progress.h"
#include "support/groups.h"

namespace quorix::testing {
namespace {

// Every member is witnessInverse·x·witness, no smaller witness works, and
// every conjugate of the representative is a member.
void ExpectFirstWitnesses(const Group& g, const ConjugacyClasses& c) {
    auto mul = [&](int a, int b) { return c.sourceIndices ? g.srcMul(a, b) : g.mul(a, b); };
    auto inv = [&](int a) { return c.sourceIndices ? g.srcInv(a) : g.inv(a); };
    for (const ConjugacyClass& k : c.classes) {
        std::set<int> members;
        for (const ConjugateElement& m : k.members) {
            members.insert(m.element);
            EXPECT_EQ(m.witnessInverse, inv(m.witness));
            EXPECT_EQ(mul(mul(m.witnessInverse, k.representative), m.witness), m.element);
            for (int y = 1; y < m.witness; ++y) EXPECT_NE(mul(mul(inv(y), k.representative), y), m.element);
        }
        for (int y = 1; y <= g.order(); ++y) EXPECT_TRUE(members.count(mul(mul(inv(y), k.representative), y)));
    }
}

TEST(ConjugacyClasses, PartitionTheGroupWithFirstWitnessesInBothIndexSpaces) {
    TestProgress progress;
    for (const NamedGroup& ng : zoo(24)) {
        const Group& g = *ng.group;
        ConjugacyClasses reductive = ComputeConjugacyClasses(g, false, progress);
        ConjugacyClasses original = ComputeConjugacyClasses(g, true, progress);
        ExpectFirstWitnesses(g, reductive);
        ExpectFirstWitnesses(g, original);
        // Same classes as sets of elements, whatever the index space.
        std::set<std::set<int>> a, b;
        int total = 0;
        for (const ConjugacyClass& k : reductive.classes) {
            std::set<int> s;
            for (const ConjugateElement& m : k.members) s.insert(g.sourceOf(m.element));
            EXPECT_EQ(k.members.front().element, k.representative);
            total += k.Size();
            a.insert(s);
        }
        for (const ConjugacyClass& k : original.classes) {
            std::set<int> s;
            for (const ConjugateElement& m : k.members) s.insert(m.element);
            b.insert(s);
        }
        EXPECT_EQ(total, g.order()) << ng.label;
        EXPECT_EQ(a, b) << ng.label;
        EXPECT_EQ(reductive.classes.front().Size(), 1);
    }
}

TEST(SubgroupConjugacyClasses, WitnessesConjugateAndClassesCountTheSubgroups) {
    TestProgress progress;
    for (const GroupPtr& g : {spec("S4"), spec("A4"), dihedral(6), dicyclic(3), specialLinear23()}) {
        SubgroupLogic logic;
        logic.FindAllSubgroups(g, progress);
        SubgroupClasses c = ComputeSubgroupConjugacyClasses(*g, logic.Memberships(), progress);
        int total = 0;
        for (const SubgroupClass& k : c.classes) {
            total += k.Size();
            EXPECT_EQ(g->order() % k.Size(), 0);
            const ElementSet& h = logic.Memberships()[static_cast<std::size_t>(k.representative - 1)];
            for (const ConjugateSubgroup& m : k.members) {
                ElementSet conj;
                for (int e = 1; e <= g->order(); ++e)
                    if (h.test(static_cast<std::size_t>(e)))
                        conj.set(static_cast<std::size_t>(g->mul(g->mul(m.witnessInverse, e), m.witness)));
                EXPECT_EQ(conj, logic.Memberships()[static_cast<std::size_t>(m.subgroup - 1)]);
                EXPECT_GE(m.subgroup, k.representative);
            }
        }
        EXPECT_EQ(total, logic.SubgroupCount());
        std::vector<int> sizes = SubgroupClassSizes(*g, logic.Memberships());
        ASSERT_EQ(sizes.size(), c.classes.size());
        for (std::size_t i = 0; i < sizes.size(); ++i) EXPECT_EQ(sizes[i], c.classes[i].Size());
    }
}

TEST(CycleNotation, CyclesFixedPointsAndTypes) {
    EXPECT_EQ(CycleNotation("1234"), "(1)");
    EXPECT_EQ(CycleNotation("2314"), "(123) ");
    EXPECT_EQ(CycleNotation("21354"), "(12)  (45)");
    EXPECT_EQ(CycleNotation("1324"), "(23) ");
    EXPECT_EQ(CycleNotation("23456789ABCDEF1"), "(123456789ABCDEF)");
    EXPECT_EQ(CycleType("21354"), (std::vector<int>{1, 2, 2}));
    EXPECT_EQ(CycleTypeText("1234"), "1 + 1 + 1 + 1");
    EXPECT_EQ(CycleTypeText("23451"), "5");
    // Text that is not a permutation neither loops nor reads out of range.
    EXPECT_EQ(CycleNotation("2214"), "(12) (3) ");
    EXPECT_EQ(CycleNotation(""), "(1)");
}

TEST(CycleNotation, OfAGroupElement) {
    GroupPtr s3 = spec("S3");
    EXPECT_EQ(CycleNotation(*s3, s3->SourceElementIndex("312")), "(132)");
    EXPECT_THROW(CycleNotation(*s3, 7), InvalidArgument);
}

}  // namespace
}  // namespace quorix::testing
