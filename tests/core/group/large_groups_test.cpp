// Groups past 128 elements: element sets wider than two words, the builders
// of every family up to the table limit, and the one refusal above it.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <unordered_set>

#include "core/group/families.h"
#include "core/group/group_spec.h"
#include "core/presentation/presented_group.h"
#include "support/groups.h"

using namespace quorix;
namespace qt = quorix::testing;

namespace {

std::map<int, int> ElementOrderCounts(const Group& g) {
    std::map<int, int> counts;
    for (int k = 1; k <= g.order(); ++k) ++counts[g.elementOrder(k)];
    return counts;
}

int CentreOrder(const Group& g) {
    int c = 0;
    for (int x = 1; x <= g.order(); ++x) {
        bool central = true;
        for (int y = 2; y <= g.order() && central; ++y) central = g.mul(x, y) == g.mul(y, x);
        c += central ? 1 : 0;
    }
    return c;
}

// Simple: the normal closure of every element other than 1 is the group.
bool Simple(const Group& g) {
    for (int x = 2; x <= g.order(); ++x) {
        std::vector<int> members{1};
        std::vector<char> in(static_cast<std::size_t>(g.order()) + 1, 0);
        in[1] = 1;
        auto add = [&](int y) {
            if (!in[static_cast<std::size_t>(y)]) {
                in[static_cast<std::size_t>(y)] = 1;
                members.push_back(y);
            }
        };
        for (int z = 1; z <= g.order(); ++z) add(g.mul(g.mul(z, x), g.inv(z)));
        for (std::size_t i = 1; i < members.size(); ++i)
            for (std::size_t j = 1; j <= i; ++j) {
                add(g.mul(members[i], members[j]));
                add(g.mul(members[j], members[i]));
            }
        if (static_cast<int>(members.size()) != g.order()) return false;
    }
    return true;
}

}  // namespace

TEST(ElementSet, WideSetsCompareHashAndJoinByTheirBits) {
    ElementSet small, wide = ElementSet::ForOrder(5040);
    small.set(1).set(100);
    wide.set(1).set(100);
    EXPECT_EQ(small.size(), 128u);
    EXPECT_GE(wide.size(), 5041u);
    EXPECT_EQ(small, wide);
    EXPECT_EQ(std::hash<ElementSet>{}(small), std::hash<ElementSet>{}(wide));
    wide.set(5040);
    EXPECT_NE(small, wide);
    EXPECT_TRUE(small.IsSubsetOf(wide));
    EXPECT_FALSE(wide.IsSubsetOf(small));
    EXPECT_FALSE(small.test(5040));
    const ElementSet joined = small | wide;
    EXPECT_EQ(joined.count(), 3u);
    EXPECT_EQ((joined & small), small);
    EXPECT_EQ((joined ^ small).count(), 1u);
    EXPECT_EQ(joined.Next(101), 5040u);
    ElementSet moved = std::move(wide), copy;
    copy = moved;
    copy.reset(5040);
    EXPECT_EQ(copy, small);
    EXPECT_TRUE(moved.test(5040));
    std::unordered_set<ElementSet> seen{small, moved, copy};
    EXPECT_EQ(seen.size(), 2u);
}

TEST(LargeGroups, FamiliesReachTheTableLimit) {
    if (qt::kFullSizeGroups) {
        const GroupPtr s7 = qt::spec("S7");
        ASSERT_EQ(s7->Order(), 5040);
        EXPECT_EQ(ElementOrderCounts(*s7),
                  (std::map<int, int>{
                      {1, 1}, {2, 231}, {3, 350}, {4, 840}, {5, 504}, {6, 1470}, {7, 720}, {10, 504}, {12, 420}}));
        std::set<std::string> names;
        for (int k = 1; k <= s7->order(); ++k) names.insert(s7->name(k));
        EXPECT_EQ(names.size(), 5040u);  // the reductive names stay distinct
        EXPECT_EQ(s7->sourceName(s7->srcMul(s7->SourceElementIndex("2134567"), s7->SourceElementIndex("1345672"))),
                  "3145672");
    }

    const GroupPtr psl27 = qt::spec("PSL(2,7)");
    EXPECT_EQ(psl27->Order(), 168);
    EXPECT_TRUE(Simple(*psl27));
    EXPECT_EQ(qt::checkGroupAxioms(*psl27), "");
    EXPECT_EQ(qt::spec("GL(2,5)")->Order(), 480);
    const GroupPtr sl27 = qt::spec("SL(2,7)");
    EXPECT_EQ(sl27->Order(), 336);
    EXPECT_EQ(CentreOrder(*sl27), 2);
    EXPECT_EQ(ElementOrderCounts(*qt::spec("PGL(2,7)"))[8], 84);
    if (qt::kFullSizeGroups) {
        EXPECT_EQ(qt::spec("GL(2,7)")->Order(), 2016);
        const GroupPtr psl219 = qt::spec("PSL(2,19)");
        EXPECT_EQ(psl219->Order(), 3420);
        EXPECT_EQ(psl219->SourceElement(2), "[0 1;18 0]");
        EXPECT_EQ(ElementOrderCounts(*qt::spec("A7"))[7], 720);
        EXPECT_EQ(qt::spec("D2520")->Order(), 5040);
        EXPECT_EQ(qt::spec("U23100")->Order(), 4800);
    }
    EXPECT_EQ(qt::spec("Dic30xZ2xZ3")->Order(), 720);
    EXPECT_EQ(qt::spec("perm:234561,213456")->Order(), 720);
    const GroupPtr cycles = MakeGroupFromDescription("perm:(1,2,3,4,5,6),(1,2)");
    ASSERT_EQ(cycles->Order(), 720);
    EXPECT_EQ(qt::checkGroupAxioms(*cycles), "");
    EXPECT_EQ(MakeGroupFromDescription("<a,b | a^2, b^3, (ab)^7, [a,b]^4>")->Order(), 168);
}

TEST(LargeGroups, AboveTheLimitOneRefusalNamesIt) {
    for (const char* big : {"S8", "A8", "Z5041", "D2521", "Dic1261", "GL(2,11)", "PSL(2,23)", "U10007", "S5xS5",
                            "perm:23456781,21345678"}) {
        try {
            MakeGroupFromDescription(big);
            ADD_FAILURE() << big;
        } catch (const InvalidArgument& e) {
            EXPECT_NE(std::string(e.what()).find("more than the 5040"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("perm:"), std::string::npos) << e.what();
        }
    }
    try {
        MakeGroupFromSpec("GL(2,4)");
        ADD_FAILURE();
    } catch (const InvalidArgument& e) {
        EXPECT_NE(std::string(e.what()).find("p = 2, 3, 5, 7)"), std::string::npos) << e.what();
    }
}
