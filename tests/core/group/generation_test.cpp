#include <gtest/gtest.h>

#include "core/group/group.h"
#include "core/group/group_spec.h"
#include "core/group/permutation_closure.h"

using namespace quorix;

namespace {

std::vector<std::string> sourceNames(const Group& g) {
    std::vector<std::string> out;
    for (int i = 1; i <= g.Order(); ++i) out.push_back(g.SourceElement(i));
    return out;
}

std::vector<std::string> namesByPosition(const Group& g) {
    std::vector<std::string> out;
    for (int k = 1; k <= g.Order(); ++k) out.push_back(g.Element(k));
    return out;
}

}  // namespace

TEST(Generation, FamiliesProduceElementsInTheirOrder) {
    const std::pair<const char*, std::vector<std::string>> families[] = {
        {"S3", {"123", "132", "213", "231", "312", "321"}},
        {"A3", {"123", "231", "312"}},
        {"S1", {"1"}},
        {"A1", {"1"}},
        {"U8", {"1", "3", "5", "7"}}};
    for (const auto& [s, names] : families) EXPECT_EQ(sourceNames(*MakeGroupFromSpec(s)), names) << s;
    const auto a4 = sourceNames(*MakeGroupFromSpec("A4"));
    ASSERT_EQ(a4.size(), 12u);
    EXPECT_EQ(std::vector<std::string>(a4.begin(), a4.begin() + 4),
              (std::vector<std::string>{"1234", "1342", "1423", "2143"}));
    EXPECT_TRUE(MakeGroupFromSpec("S1")->Cyclic());
    auto z4 = MakeGroupFromSpec("Z4");
    EXPECT_EQ(namesByPosition(*z4), (std::vector<std::string>{"1", "A", "A|2|", "A|3|"}));
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(z4->sourceOf(k), k);
}

TEST(Generation, RefusalsLeaveTheGroupUngenerated) {
    auto g = Group::Create();
    EXPECT_THROW(g->GenerateSymmetric(8), InvalidArgument);
    EXPECT_THROW(g->GenerateSymmetric(0), InvalidArgument);
    EXPECT_THROW(g->GenerateAdditive(kMaxGroupOrder + 1), InvalidArgument);
    EXPECT_THROW(g->GenerateMultiplicative(1), InvalidArgument);
    EXPECT_THROW(g->GeneratePermutational({"2134", "1234"}), InvalidArgument);
    // Not closed under composition: refused rather than a broken group.
    EXPECT_THROW(g->GeneratePermutational({"123", "213", "132"}), InvalidArgument);
    // A table that is not a group.
    EXPECT_THROW(g->Generate({{"a", "b"}, {"b", "b"}}), InvalidArgument);
    EXPECT_THROW(g->GenerateDirectProduct(MakeGroupFromSpec("S5"), MakeGroupFromSpec("S5")),
                 InvalidArgument);  // order 14,400
    EXPECT_FALSE(g->IsGenerated());
    EXPECT_THROW(g->Order(), InvalidArgument);
    EXPECT_THROW(g->Element(1), InvalidArgument);
    EXPECT_EQ(g->GroupID(), "");
    // After all that it can still be generated once.
    g->GenerateAdditive(3);
    EXPECT_EQ(g->Order(), 3);
}

TEST(Generation, SecondGenerationIsRefused) {
    auto g = Group::Create();
    g->GenerateAdditive(5);
    g->SetGroupID("mine");
    EXPECT_THROW(g->GenerateSymmetric(3), InvalidArgument);
    EXPECT_EQ(g->Order(), 5);
    EXPECT_EQ(g->GroupID(), "mine");
    EXPECT_EQ(g->MethodOfGeneration(), GenerationMethod::Additive);
}

TEST(Generation, CayleyTableTakesRowOneUpToTheFirstGap) {
    // Z5 written with letters; extra cells past the gap are ignored.
    CayleyTable t(20, std::vector<std::string>(20));
    const std::string e = "vwxyz";
    for (int a = 0; a < 5; ++a)
        for (int b = 0; b < 5; ++b) t[a][b] = std::string(1, e[(a + b) % 5]);
    auto g = Group::Create();
    g->Generate(t);
    EXPECT_EQ(g->Order(), 5);
    EXPECT_EQ(g->SourceProduct(2, 5), "v");
    // Tables of order 20 are read by the isomorphism tests.
}

TEST(Generation, MembersAnswerInBothIndexSpaces) {
    auto s3 = Group::Create();
    s3->GenerateSymmetric(3);
    // Position 2 ("A") is the first element of greatest order: 231.
    // The lookups' agreement with the tables is checked on every group with
    // the invariants; here the names and the order of composition.
    EXPECT_EQ(s3->MappedSourceElement(2), "231");
    EXPECT_EQ(s3->Element(2), "A");
    EXPECT_EQ(s3->SourceProduct(2, 3), "231");  // 132 then 213
    EXPECT_EQ(s3->ElementIndex("Q"), -1);
    EXPECT_EQ(s3->SourceElementIndex("999"), -1);
    EXPECT_EQ(s3->Product(2, 3), "1");
    EXPECT_THROW(s3->Element(7), InvalidArgument);
    EXPECT_THROW(s3->Product(0, 1), InvalidArgument);
    EXPECT_THROW(s3->SourceProduct(1, 7), InvalidArgument);
}

TEST(DerivedGroups, DirectProductsOfCyclicGroupsGetFactorNames) {
    auto names = [](const char* s) { return namesByPosition(*MakeGroupFromSpec(s)); };
    EXPECT_EQ(names("Z2xZ2"), (std::vector<std::string>{"1", "A", "B", "AB"}));
    EXPECT_EQ(MakeGroupFromSpec("Z2xZ2")->MappedSourceElement(2), "1,0");
    EXPECT_EQ(names("Z2xZ4"), (std::vector<std::string>{"1", "A", "B", "AB", "B|2|", "AB|2|", "B|3|", "AB|3|"}));
    // Cyclic: the general naming uses one letter, fewer than the factors.
    EXPECT_EQ(names("Z2xZ3"), (std::vector<std::string>{"1", "A", "A|2|", "A|3|", "A|4|", "A|5|"}));
    // A symmetric factor keeps the general names.
    auto s3z2 = MakeGroupFromSpec("S3xZ2");
    EXPECT_EQ(s3z2->GroupID(), "S|@3|xZ|@2|");
    EXPECT_EQ(s3z2->Element(2), "A");
    EXPECT_EQ(s3z2->SourceElement(1), "123,0");
}

TEST(DerivedGroups, NestedProductsCountTheirComponents) {
    auto g = MakeGroupFromSpec("Z2xZ3xZ4");
    // Products of nested pairs are checked by the invariants on every group.
    EXPECT_EQ(g->NumberOfComponents(), 3);
    EXPECT_EQ(g->Suborder(3), 4);
    EXPECT_THROW(g->Suborder(4), InvalidArgument);
}

TEST(DerivedGroups, SubgroupsAndQuotients) {
    auto z4 = MakeGroupFromSpec("Z4");
    ElementSet half;
    half.set(1);
    half.set(3);  // A|2|
    auto n = Group::Create();
    n->GenerateSubgroup(z4, half);
    n->SetGroupID("Subgroup2-1(Z|@4|)");
    EXPECT_EQ(sourceNames(*n), (std::vector<std::string>{"0", "2"}));

    auto q = Group::Create();
    q->GenerateQuotientGroup(z4, n);
    EXPECT_EQ(q->GroupID(), "Z|@4|/Subgroup2-1");
    EXPECT_EQ(sourceNames(*q), (std::vector<std::string>{"|%b|N|/b|", "|%b|N|/b|A"}));
    EXPECT_EQ(q->CosetLabels(), (std::vector<int>{0, 1, 2, 1, 2}));
    EXPECT_EQ(q->SourceProduct(2, 2), "|%b|N|/b|");

    // Quotients by every normal subgroup of larger groups: the analysis tests.
    // Not closed, or without the identity: refused.
    ElementSet bad;
    bad.set(1);
    bad.set(2);
    auto b = Group::Create();
    EXPECT_THROW(b->GenerateSubgroup(z4, bad), InvalidArgument);
    ElementSet noIdentity;
    noIdentity.set(3);
    EXPECT_THROW(b->GenerateSubgroup(z4, noIdentity), InvalidArgument);
    EXPECT_FALSE(b->IsGenerated());
}

TEST(GroupSpec, DescriptionsAndTheirErrors) {
    EXPECT_EQ(MakeGroupFromSpec("U15")->Order(), 8);
    EXPECT_EQ(MakeGroupFromSpec("A5")->Order(), 60);
    EXPECT_EQ(MakeGroupFromSpec("Z2xZ3xZ4")->GroupID(), "Z|@2|xZ|@3|xZ|@4|");
    EXPECT_EQ(MakeGroupFromSpec("perm:2341,2143")->Order(), 8);
    EXPECT_EQ(MakeGroupFromSpec("perm:23451,21345")->Order(), 120);
    for (const char* bad :
         {"", "Q9", "S8", "Z0", "Z5041", "U1", "Zx", "Z2x", "perm:", "perm:1123", "perm:12,123", "S5xS5", "Sabc"})
        EXPECT_THROW(MakeGroupFromSpec(bad), InvalidArgument) << bad;
}

TEST(PermutationClosure, AppendsInScanOrderAndReportsMissingProducts) {
    auto r = ClosePermutations({"123", "231"}, true, 6);
    EXPECT_EQ(r.status, ClosureResult::Status::Closed);
    EXPECT_EQ(r.elements, (std::vector<std::string>{"123", "231", "312"}));
    EXPECT_EQ(r.generated, (std::vector<bool>{false, false, true}));

    auto m = ClosePermutations({"123", "213", "132"}, false, 6);
    EXPECT_EQ(m.status, ClosureResult::Status::Missing);
    EXPECT_EQ(m.left, 2);
    EXPECT_EQ(m.right, 3);
    EXPECT_EQ(m.product, "312");

    auto full = ClosePermutations({"1234", "2134", "2341"}, true, 10);
    EXPECT_EQ(full.status, ClosureResult::Status::MaximumReached);
    EXPECT_EQ(full.elements.size(), 10u);
}
