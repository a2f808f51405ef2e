#include <gtest/gtest.h>

#include "core/group/errors.h"
#include "core/group/math_functions.h"

using namespace quorix;
using namespace quorix::MathFunctions;

TEST(MathFunctions, NumberTheory) {
    for (int n = -2; n <= 1200; ++n) {
        int count = 0;
        for (int k = 1; k < n; ++k) count += RelativelyPrime(n, k);
        ASSERT_EQ(EulerPhi(n), count) << n;
    }
    // Large moduli read from a damaged file must not take a counting loop.
    EXPECT_EQ(EulerPhi(2147483647), 2147483646);
    EXPECT_EQ(EulerPhi(1 << 30), 1 << 29);
    EXPECT_EQ(EulerPhi(2 * 3 * 5 * 7 * 11 * 13 * 17 * 19 * 23), 1 * 2 * 4 * 6 * 10 * 12 * 16 * 18 * 22);
    for (int n : {0, 1, 2, 3, 5, 7, 11, 13, 97}) EXPECT_TRUE(IsPrime(n)) << n;
    for (int n : {4, 6, 8, 9, 25, 49, 91, 121}) EXPECT_FALSE(IsPrime(n)) << n;
    EXPECT_EQ(ProperDivisors(12), (std::vector<int>{6, 4, 3, 2}));
    EXPECT_TRUE(ProperDivisors(7).empty());
    EXPECT_TRUE(ProperDivisors(1).empty());
    std::vector<std::pair<int, int>> factors;
    for (const auto& f : PrimeFactorization(360)) factors.emplace_back(f.prime, f.exponent);
    EXPECT_EQ(factors, (std::vector<std::pair<int, int>>{{2, 3}, {3, 2}, {5, 1}}));
    EXPECT_TRUE(PrimeFactorization(1).empty());
    EXPECT_TRUE(RelativelyPrime(0, 1));
    EXPECT_FALSE(RelativelyPrime(0, 2));
    EXPECT_EQ(MaxProperDivisor(12), 6);
    EXPECT_EQ(MaxProperDivisor(7), 1);
    EXPECT_THROW(MaxProperDivisor(1), ProgramError);
    EXPECT_EQ(Factorial(5), 120);
    EXPECT_EQ(Factorial(0), 1);
}

TEST(MathFunctions, Permutations) {
    EXPECT_EQ(ComposePermutations("213", "132"), "312");
    EXPECT_EQ(ComposePermutations("132", "213"), "231");
    EXPECT_EQ(ComposePermutations("23456789ABCDEF1", "23456789ABCDEF1"), "3456789ABCDEF12");
    EXPECT_EQ(PermutationSign("1243"), -1);
    EXPECT_EQ(PermutationSign("2341"), -1);
    EXPECT_EQ(PermutationSign("2143"), 1);
    EXPECT_EQ(PermutationSign(""), 1);
    EXPECT_EQ(ComputeNextPermutation("1432"), "2134");
    EXPECT_TRUE(IsPermutationString("3A21456789"));
    EXPECT_FALSE(IsPermutationString("113"));
    EXPECT_FALSE(IsPermutationString("14"));
    EXPECT_FALSE(IsPermutationString(""));
    EXPECT_THROW(ComputeNextPermutation("21"), ProgramError);  // the last one has no successor
}

TEST(MathFunctions, SuccessorsEnumerateAllPermutationsInOrder) {
    std::string p = "1234";
    std::vector<std::string> all{p};
    for (int i = 1; i < 24; ++i) all.push_back(p = ComputeNextPermutation(p));
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));
    EXPECT_EQ(std::set<std::string>(all.begin(), all.end()).size(), 24u);
    EXPECT_EQ(all.back(), "4321");
}
