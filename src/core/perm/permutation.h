#pragma once
// Permutations of large degree for the permutation-group engine: points are
// 0-based internally and 1-based in text. A permutation is its image array;
// the product a * b applies a first, then b (as the table groups do).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorix::perm {

using Point = std::uint16_t;
// The largest degree the readers accept.
inline constexpr int kMaxDegree = 1000;

using Perm = std::vector<Point>;

Perm Identity(int degree);
bool IsIdentity(const Perm& p);
// a then b; both of one degree.
Perm Multiply(const Perm& a, const Perm& b);
Perm Inverse(const Perm& p);
Perm Power(const Perm& p, long long e);
// Pads with fixed points (never shrinks).
Perm Extend(const Perm& p, int degree);
bool IsEven(const Perm& p);
// The lengths of the cycles, one per moved point's cycle.
std::vector<int> CycleLengths(const Perm& p);
long long ElementOrder(const Perm& p);  // saturates at LLONG_MAX

// "(1,2,3)(4,5)", "()" for the identity.
std::string CycleString(const Perm& p);
// One permutation in cycle notation; the degree is the largest point named
// (at least minDegree). Throws InvalidArgument naming the text.
Perm ParseCycles(std::string_view text, int minDegree = 1);
// A list of permutations, comma separated outside parentheses, each in cycle
// notation or (when it holds no parenthesis) in one-line notation (digits
// 1-9, A-F); all are extended to the largest degree.
std::vector<Perm> ParsePermutationList(std::string_view text);
// True when the text looks like cycle notation (holds a parenthesis).
bool IsCycleNotation(std::string_view text);

}  // namespace quorix::perm
