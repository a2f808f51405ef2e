#pragma once
// Integer and permutation routines shared by the group model and the panels.
// Permutations are one-line strings over "123456789ABCDEF" (A..F = 10..15).

#include <cstdint>
#include <string>
#include <vector>

namespace quorix::MathFunctions {

inline constexpr const char* kPermutationDigits = "123456789ABCDEF";

std::int64_t Factorial(int n);
// Numbers 1..n-1 prime to n (0 for n <= 1); by prime factors, so any int is quick.
int EulerPhi(int n);
bool IsPrime(int n);
int Gcd(int a, int b);

// n divided by its smallest divisor >= 2. For n = 1 throws ProgramError
// ("MaxProperDivisor: no divisor of 1").
int MaxProperDivisor(int n);

// Divisors d with 1 < d < n, descending.
std::vector<int> ProperDivisors(int n);

struct PrimePower {
    int prime;
    int exponent;
};
// Distinct prime factors ascending with their exponents; empty for n < 2.
std::vector<PrimePower> PrimeFactorization(int n);

bool RelativelyPrime(int a, int b);
int PermutationSign(const std::string& p);

// The permutation that applies p first and then q; InvalidArgument when
// they are not of one degree.
std::string ComposePermutations(const std::string& p, const std::string& q);

// Lexicographic successor of a one-line permutation. Past the last one
// throws ProgramError.
std::string ComputeNextPermutation(const std::string& s);

// Ascending sorts; the lists are 0-based here.
void SortStrings(std::vector<std::string>& list);
void SortIntegers(std::vector<int>& list);

inline int Max(int a, int b) { return a > b ? a : b; }
inline int Min(int a, int b) { return a < b ? a : b; }

// Point value of a permutation character ('1'..'9', 'A'..'F'); -1 if none.
int PermutationDigitValue(char c);
// Character for a point 1..15.
char PermutationDigitChar(int v);
// The identity permutation of degree d (1..15).
std::string IdentityPermutation(int d);
// True if s is a permutation of 1..len(s) in one-line notation (len 1..15).
bool IsPermutationString(const std::string& s);

}  // namespace quorix::MathFunctions
