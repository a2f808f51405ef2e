#include <gtest/gtest.h>

#include <map>

#include "core/compare/automorphisms.h"
#include "core/compare/homomorphism.h"
#include "support/groups.h"

namespace quorix {
namespace {

using testing::spec;

TEST(ElementCodes, DigitsThenLetters) {
    EXPECT_EQ(CompactMappingCode("1 2 10"), "12A");
    std::string code = "1";
    AppendElementCode(code, 12);
    EXPECT_EQ(code, "1C");
    EXPECT_EQ(ElementCodeIndex('C'), 12);
    EXPECT_EQ(ElementCodeIndex('7'), 7);
}

std::vector<std::string> Codes(const AutomorphismList& l, bool inner) {
    std::vector<std::string> out;
    for (const auto& e : l.entries)
        if (e.inner == inner) out.push_back(e.code);
    return out;
}

TEST(Automorphisms, CyclicGroupOfOrderFive) {
    auto z5 = spec("Z5");
    ASSERT_EQ(z5->SourceElement(2), "1");  // element i is the residue i - 1
    auto l = ComputeAutomorphisms(*z5);
    EXPECT_EQ(l.Count(), 4);
    EXPECT_EQ(l.innerCount, 1);
    EXPECT_EQ(Codes(l, false), (std::vector<std::string>{"13524", "14253", "15432"}));
    EXPECT_EQ(Codes(l, true), (std::vector<std::string>{"12345"}));
    EXPECT_EQ(l.representatives, (std::vector<std::string>{"0"}));
    // Before marking the list is in enumeration order.
    auto raw = EnumerateAutomorphisms(*z5);
    EXPECT_EQ(Codes(raw, false), (std::vector<std::string>{"12345", "13524", "14253", "15432"}));
}

TEST(Automorphisms, InnerOnesOfNonAbelianGroups) {
    auto s3 = spec("S3");
    auto l = ComputeAutomorphisms(*s3);
    EXPECT_EQ(l.Count(), 6);
    EXPECT_EQ(l.innerCount, 6);
    EXPECT_EQ(l.entries[0].code, "123456");

    auto q8 = testing::quaternion();
    auto lq = ComputeAutomorphisms(*q8);
    EXPECT_EQ(lq.Count(), 24);
    EXPECT_EQ(lq.innerCount, 4);
    // Inner ones come last, outer ones keep their enumeration order.
    for (int i = 0; i < 20; ++i) EXPECT_FALSE(lq.entries[static_cast<std::size_t>(i)].inner);
    EXPECT_LT(lq.entries[0].code, lq.entries[1].code);

    auto trivial = spec("Z1");
    auto lt = ComputeAutomorphisms(*trivial);
    ASSERT_EQ(lt.Count(), 1);
    EXPECT_EQ(lt.entries[0].code, "1");
    EXPECT_TRUE(lt.entries[0].inner);
}

TEST(Automorphisms, ElementaryAbelianOfOrderEightIsCut) {
    auto g = spec("Z2xZ2xZ2");
    auto l = ComputeAutomorphisms(*g);
    EXPECT_EQ(l.Count(), 121);
    EXPECT_FALSE(l.Complete());
    EXPECT_EQ(l.innerCount, 1);  // abelian: only the identity, which is listed
    EXPECT_FALSE(l.markingFailed);
    EXPECT_THROW(ComputeAutomorphisms(*spec("Z16")), InvalidArgument);  // the message: see the tool's tests
}

TEST(Automorphisms, MarkingReportsAnInnerCodeMissingFromACutList) {
    auto s3 = spec("S3");
    auto l = EnumerateAutomorphisms(*s3);
    l.entries.resize(2);
    MarkInnerAutomorphisms(*s3, l);
    EXPECT_TRUE(l.markingFailed);
}

TEST(Automorphisms, AutAndInnAreRegisteredPermutationGroups) {
    std::map<std::string, GroupPtr> reg;
    GroupRegistrar r{[&](const GroupPtr& g, const std::string& n) { reg[n] = g; }, nullptr};
    auto d4 = testing::dihedral(4);
    d4->SetGroupID("D4");
    auto l = ComputeAutomorphisms(*d4);
    auto aut = GenerateAutomorphismGroup(*d4, l, AutomorphismKind::Auto, r);
    auto inn = GenerateAutomorphismGroup(*d4, l, AutomorphismKind::Inner, r);
    EXPECT_EQ(aut->Order(), 8);
    EXPECT_EQ(inn->Order(), 4);
    EXPECT_EQ(aut->GroupID(), "Aut(D4)");
    EXPECT_EQ(inn->GroupID(), "Inn(D4)");
    EXPECT_EQ(reg.count("Aut(D4)") + reg.count("Inn(D4)"), 2u);

    auto z1 = spec("Z1");
    auto lt = ComputeAutomorphisms(*z1);
    EXPECT_EQ(GenerateAutomorphismGroup(*z1, lt, AutomorphismKind::Auto, r)->Order(), 1);
    auto s3 = spec("S3");
    auto ls = ComputeAutomorphisms(*s3);
    auto autS3 = GenerateAutomorphismGroup(*s3, ls, AutomorphismKind::Auto, r);
    EXPECT_TRUE(autS3->IsIsomorphic(*s3));
}

TEST(FindHomomorphism, SharedStateResumesForTheSamePair) {
    SharedHomomorphism shared;
    auto s4 = spec("S4"), s3 = spec("S3"), z2 = spec("Z2");
    std::string text = "unchanged";
    ASSERT_TRUE(FindHomomorphism(shared, *s4, *s3, text, false));
    std::string first = text;
    ASSERT_TRUE(FindHomomorphism(shared, *s4, *s3, text, true));
    EXPECT_LT(first, text);
    int count = 2;
    while (FindHomomorphism(shared, *s4, *s3, text, true)) ++count;
    EXPECT_EQ(count, 6);
    std::string last = text;
    EXPECT_FALSE(FindHomomorphism(shared, *s4, *s3, text, true));
    EXPECT_EQ(text, last);
    // A resumed call for another pair starts afresh.
    EXPECT_TRUE(FindHomomorphism(shared, *s4, *z2, text, true));
    EXPECT_FALSE(FindHomomorphism(shared, *spec("Z6"), *spec("Z4"), text, false));
}

TEST(TestIsomorphic, SmallOrdersUseTheGroupTestLargeOnesTheSearch) {
    SharedHomomorphism shared;
    shared.mappingText = "kept";
    auto a = spec("S3"), b = testing::dihedral(3);
    EXPECT_TRUE(TestIsomorphic(shared, *a, *b));
    EXPECT_EQ(shared.mappingText, "kept");
    EXPECT_FALSE(TestIsomorphic(shared, *spec("Z4"), *spec("Z2xZ2")));
    EXPECT_FALSE(TestIsomorphic(shared, *spec("Z4"), *spec("Z5")));
    auto x = spec("S4"), y = spec("Z2xA4");
    EXPECT_FALSE(TestIsomorphic(shared, *x, *y));
    EXPECT_EQ(shared.mappingText, "kept");
    auto s5 = spec("S5");
    EXPECT_TRUE(TestIsomorphic(shared, *s5, *spec("S5")));
    EXPECT_EQ(ParseMappingText(shared.mappingText).size(), 120u);
}

}  // namespace
}  // namespace quorix
