// Dihedral, dicyclic and matrix groups against their defining relations,
// their known orders and the groups the tests build another way.
#include <gtest/gtest.h>

#include "core/group/families.h"
#include "core/group/group_spec.h"
#include "support/groups.h"

using namespace quorix;
namespace qt = quorix::testing;

namespace {

// The source index of a product of named elements.
int Times(const Group& g, std::initializer_list<const char*> names) {
    int x = 1;
    for (const char* n : names) {
        const int i = g.SourceElementIndex(n);
        EXPECT_GT(i, 0) << n << " in " << g.GroupID();
        x = g.srcMul(x, i);
    }
    return x;
}

int Involutions(const Group& g) {
    int n = 0;
    for (int i = 1; i <= g.order(); ++i) n += g.srcOrder(i) == 2 ? 1 : 0;
    return n;
}

}  // namespace

TEST(Families, DihedralGroupsSatisfyTheirRelations) {
    for (int n : {1, 2, 3, 4, 7, 12, 60}) {
        const auto d = MakeDihedralGroup(n);
        SCOPED_TRACE(n);
        ASSERT_EQ(d->Order(), 2 * n);
        EXPECT_EQ(qt::checkGroupAxioms(*d), "");
        EXPECT_EQ(d->GroupID(), "D|@" + std::to_string(n) + "|");
        EXPECT_EQ(d->Description(), "D" + std::to_string(n));
        EXPECT_EQ(d->MethodOfGeneration(), GenerationMethod::Described);
        if (n < 2) continue;
        const int r = d->SourceElementIndex("r"), s = d->SourceElementIndex("s");
        EXPECT_EQ(d->srcOrder(r), n);
        EXPECT_EQ(d->srcOrder(s), 2);
        EXPECT_EQ(d->srcMul(d->srcMul(s, r), s), d->srcInv(r));  // s r s = r^-1
        if (n >= 3) {
            EXPECT_TRUE(d->Dihedral());
        }
    }
    EXPECT_EQ(MakeDihedralGroup(4)->SourceElement(7), "r|2|s");
    EXPECT_TRUE(MakeDihedralGroup(1)->IsIsomorphic(*MakeGroupFromSpec("Z2")));
    EXPECT_TRUE(MakeDihedralGroup(2)->IsIsomorphic(*MakeGroupFromSpec("Z2xZ2")));
    for (int n = 3; n <= 10; ++n) EXPECT_TRUE(MakeDihedralGroup(n)->IsIsomorphic(*qt::dihedral(n))) << n;
    EXPECT_THROW(MakeDihedralGroup(0), InvalidArgument);
    EXPECT_THROW(MakeDihedralGroup(kMaxDihedralN + 1), InvalidArgument);
}

TEST(Families, DicyclicGroupsSatisfyTheirRelations) {
    for (int n : {2, 3, 4, 5, 8, 30}) {
        const auto q = MakeDicyclicGroup(n);
        SCOPED_TRACE(n);
        ASSERT_EQ(q->Order(), 4 * n);
        EXPECT_EQ(qt::checkGroupAxioms(*q), "");
        const int a = q->SourceElementIndex("a");
        EXPECT_EQ(q->srcOrder(a), 2 * n);
        EXPECT_EQ(Times(*q, {"x", "x"}), q->SourceElementIndex("a|" + std::to_string(n) + "|"));
        EXPECT_EQ(Times(*q, {"x", "a"}), q->srcMul(q->srcInv(a), q->SourceElementIndex("x")));
        EXPECT_EQ(Involutions(*q), 1);  // unlike every dihedral group
    }
    const auto q8 = MakeQuaternionGroup();
    EXPECT_EQ(qt::checkGroupAxioms(*q8), "");
    EXPECT_EQ(Times(*q8, {"i", "j"}), q8->SourceElementIndex("k"));
    EXPECT_EQ(Times(*q8, {"j", "i"}), q8->SourceElementIndex("-k"));
    EXPECT_EQ(Times(*q8, {"k", "k"}), q8->SourceElementIndex("-1"));
    EXPECT_TRUE(q8->IsIsomorphic(*MakeDicyclicGroup(2)));
    EXPECT_TRUE(q8->IsIsomorphic(*qt::quaternion()));
    EXPECT_TRUE(MakeDicyclicGroup(3)->IsIsomorphic(*qt::dicyclic(3)));
    EXPECT_FALSE(MakeDihedralGroup(4)->IsIsomorphic(*q8));
    EXPECT_FALSE(MakeDicyclicGroup(3)->IsIsomorphic(*MakeDihedralGroup(6)));
    EXPECT_THROW(MakeDicyclicGroup(1), InvalidArgument);
    EXPECT_THROW(MakeDicyclicGroup(kMaxDicyclicN + 1), InvalidArgument);
}

TEST(Families, MatrixGroupsHaveTheirOrdersAndNames) {
    struct Case {
        const char* spec;
        int order;
        int involutions;
    };
    for (const Case& c :
         {Case{"GL(2,2)", 6, 3}, Case{"GL(2,3)", 48, 13}, Case{"SL(2,2)", 6, 3}, Case{"SL(2,3)", 24, 1},
          Case{"SL(2,5)", 120, 1}, Case{"PSL(2,2)", 6, 3}, Case{"PSL(2,3)", 12, 3}, Case{"PSL(2,5)", 60, 15},
          Case{"PGL(2,2)", 6, 3}, Case{"PGL(2,3)", 24, 9}, Case{"PGL(2,5)", 120, 25}}) {
        const auto g = MakeGroupFromSpec(c.spec);
        SCOPED_TRACE(c.spec);
        ASSERT_EQ(g->Order(), c.order);
        EXPECT_EQ(Involutions(*g), c.involutions);
        EXPECT_EQ(g->Description(), c.spec);
        EXPECT_EQ(g->SourceElement(1), "[10;01]");
        EXPECT_EQ(g->GroupID().find(','), std::string::npos);
        if (c.order <= 48) {
            EXPECT_EQ(qt::checkGroupAxioms(*g), "");
        }
    }
    EXPECT_EQ(MakeGroupFromSpec("SL(2,3)")->GroupID(), "SL|@2|(3)");
    const auto gl = MakeGroupFromSpec("GL(2,3)");
    const int x = gl->SourceElementIndex("[11;01]"), y = gl->SourceElementIndex("[10;11]");
    EXPECT_EQ(gl->SourceProduct(x, y), "[21;11]");
    EXPECT_TRUE(MakeGroupFromSpec("GL(2,2)")->IsIsomorphic(*MakeGroupFromSpec("S3")));
    EXPECT_TRUE(MakeGroupFromSpec("PSL(2,3)")->IsIsomorphic(*MakeGroupFromSpec("A4")));
    for (const char* bad : {"GL(2,11)", "SL(2,19)", "PSL(2,4)", "GL(2,1)", "GL(2,)", "GL(2,3", "PGL(2,-3)"})
        EXPECT_THROW(MakeGroupFromSpec(bad), InvalidArgument) << bad;
}

TEST(Families, SpecsKeepProductsAndNamesApart) {
    EXPECT_EQ(MakeGroupFromSpec("D4xZ2")->Order(), 16);
    EXPECT_EQ(MakeGroupFromSpec("Dic3xZ2")->Order(), 24);
    EXPECT_EQ(MakeGroupFromSpec("Q8xZ3")->GroupID(), "Q|@8|xZ|@3|");
    EXPECT_EQ(MakeGroupFromSpec("GL(2,2)xZ2")->Order(), 12);
    for (const char* bad : {"Q4", "Dic", "D", "X3", "<a|a^2>", "Z2x<a|a^2>"})
        EXPECT_THROW(MakeGroupFromSpec(bad), InvalidArgument) << bad;
}
