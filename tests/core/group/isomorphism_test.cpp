// The isomorphism test against a literal odometer enumeration.

#include <gtest/gtest.h>

#include <array>
#include <numeric>

#include "core/group/group.h"
#include "support/groups.h"

using namespace quorix;
using namespace quorix::testing;

namespace {

// The enumeration exactly as the program has always done it: extend with the
// smallest unused value, raise the deepest slot one by one, test every pair
// whose product already has an image. Returns the image list (positions
// 1..n) of the first isomorphism, or an empty vector.
std::vector<int> literalFirstIsomorphism(const Group& a, const Group& b) {
    const int n = a.order();
    int own[21][21] = {}, oth[21][21] = {};
    for (int i = 2; i <= n; ++i)
        for (int j = 2; j <= n; ++j) {
            own[i][j] = a.mul(i, j);
            oth[i][j] = b.mul(i, j);
        }
    std::array<int, 22> slot{};
    for (int k = 1; k <= n; ++k) slot[static_cast<std::size_t>(k)] = k;
    int depth = n;
    while (true) {
        bool consistent = true;
        for (int i = 2; i <= depth && consistent; ++i)
            for (int j = 2; j <= depth; ++j) {
                int p = own[i][j];
                if (p <= depth && slot[static_cast<std::size_t>(p)] !=
                                      oth[slot[static_cast<std::size_t>(i)]][slot[static_cast<std::size_t>(j)]]) {
                    consistent = false;
                    break;
                }
            }
        if (!consistent) {
            int k = depth;
            while (k >= 1 && slot[static_cast<std::size_t>(k)] >= n) --k;
            if (k < 1) return {};
            ++slot[static_cast<std::size_t>(k)];
            depth = k;
        } else if (depth == n) {
            return std::vector<int>(slot.begin() + 1, slot.begin() + 1 + n);
        } else {
            ++depth;
            for (int v = 1;; ++v) {
                bool used = false;
                for (int k = 1; k < depth; ++k) used = used || slot[static_cast<std::size_t>(k)] == v;
                if (!used) {
                    slot[static_cast<std::size_t>(depth)] = v;
                    break;
                }
            }
        }
    }
}

std::vector<int> lastMapping(const Group& g, const Group& other) {
    const auto m = *g.Isomorphism(other);
    return std::vector<int>(m.begin() + 1, m.begin() + 1 + g.order());
}

}  // namespace

TEST(Isomorphism, SameAnswerAndSameFirstMappingAsTheLiteralEnumeration) {
    std::mt19937 rng(11);
    std::vector<NamedGroup> groups = zoo(12);
    // Relabelled copies give isomorphic pairs whose first mapping is not the identity.
    const std::size_t base = groups.size();
    for (std::size_t i = 0; i < base; ++i)
        if (groups[i].group->order() >= 4)
            groups.push_back({groups[i].label + "'", shuffledCopy(*groups[i].group, rng)});
    int isomorphicPairs = 0, pairs = 0;
    for (const auto& [la, a] : groups)
        for (const auto& [lb, b] : groups) {
            if (a->order() != b->order() || a == b) continue;
            std::vector<int> identity(static_cast<std::size_t>(a->order()));
            std::iota(identity.begin(), identity.end(), 1);
            auto fresh = tableCopy(*a, identity);
            const std::vector<int> expected = literalFirstIsomorphism(*fresh, *b);
            ++pairs;
            ASSERT_EQ(fresh->IsIsomorphic(*b), !expected.empty()) << la << " vs " << lb;
            if (!expected.empty()) {
                ++isomorphicPairs;
                EXPECT_EQ(lastMapping(*fresh, *b), expected) << la << " vs " << lb;
            }
        }
    EXPECT_GT(isomorphicPairs, 100);
    EXPECT_GT(pairs, 500);
}

TEST(Isomorphism, LargerOrdersAgreeWithTheLiteralEnumerationOnSamples) {
    std::mt19937 rng(5);
    for (const char* s : {"Z16", "Z2xZ8", "Z4xZ4", "Z2xZ2xZ4", "Z2xS3", "Dic12", "D16", "Z20", "D20", "Z2xZ2xZ5"}) {
        GroupPtr g;
        for (const auto& [label, h] : zoo(20))
            if (label == s) g = h;
        if (!g) g = spec(s);
        for (int round = 0; round < 3; ++round) {
            auto copy = shuffledCopy(*g, rng);
            auto fresh = shuffledCopy(*g, rng);
            const std::vector<int> expected = literalFirstIsomorphism(*fresh, *copy);
            ASSERT_FALSE(expected.empty()) << s;
            ASSERT_TRUE(fresh->IsIsomorphic(*copy)) << s;
            EXPECT_EQ(lastMapping(*fresh, *copy), expected) << s;
        }
    }
}

// Known pairs up to order 12 (Z4 and Z2xZ2, Q8 and D8, ...) are among the
// pairs compared with the literal enumeration above.
TEST(Isomorphism, KnownPairsOfOrderSixteen) {
    auto z2d8 = Group::Create();
    z2d8->GenerateDirectProduct(spec("Z2"), dihedral(4));
    auto z2q8 = Group::Create();
    z2q8->GenerateDirectProduct(spec("Z2"), quaternion());
    EXPECT_FALSE(z2d8->IsIsomorphic(*z2q8));
    EXPECT_FALSE(spec("Z6")->IsIsomorphic(*spec("Z2xZ4")));  // different orders: false, no refusal
}

TEST(Isomorphism, MappingsAndRefusals) {
    auto s3 = spec("S3");
    auto d6 = dihedral(3);
    auto z6 = spec("Z6");
    ASSERT_TRUE(s3->IsIsomorphic(*s3));
    EXPECT_EQ(lastMapping(*s3, *s3), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    ASSERT_TRUE(s3->IsIsomorphic(*d6));
    const std::vector<int> m = lastMapping(*s3, *d6);
    EXPECT_FALSE(s3->IsIsomorphic(*z6));
    EXPECT_FALSE(s3->Isomorphism(*z6).has_value());
    // IsomorphismMapping sends the other group's element back through it.
    for (int j = 1; j <= 6; ++j) {
        int i = s3->IsomorphismMapping(*d6, j);
        ASSERT_GE(i, 1);
        EXPECT_EQ(d6->positionOf(j), m[static_cast<std::size_t>(s3->positionOf(i) - 1)]);
    }
    EXPECT_EQ(s3->IsomorphismMapping(*z6, 2), 0);
    // Refusals above order 20.
    auto s4 = spec("S4");
    EXPECT_THROW(s4->IsIsomorphic(*spec("Z2xZ12")), InvalidArgument);
    EXPECT_THROW(s4->IsomorphismMapping(*spec("Z24"), 1), InvalidArgument);
}
