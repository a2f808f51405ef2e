#pragma once
// The textbook families beyond the permutation and residue groups: dihedral
// and dicyclic groups and the 2x2 matrix groups over Z_p. Each is built as a
// Described group whose description is its SPEC ("D4", "Dic3", "Q8",
// "GL(2,3)"), so the register can rebuild it from that text alone.
//
// Element order (the source indices), identity first:
//   D<n>    r^k for k = 0..n-1, then r^k s         (order 2n)
//   Dic<n>  a^k for k = 0..2n-1, then a^k x        (order 4n; x^2 = a^n,
//           x a x^-1 = a^-1)
//   Q8      1, -1, i, -i, j, -j, k, -k
//   matrix  the identity, then the other matrices (for PSL and PGL the
//           lexicographically least matrix of each class) in lexicographic
//           order of their entries a, b, c, d, written "[ab;cd]" (for
//           p > 10 "[a b;c d]", the entries having two digits).

#include <string>

#include "core/group/group.h"

namespace quorix {

inline constexpr int kMaxDihedralN = kMaxGroupOrder / 2;  // 2n elements
inline constexpr int kMaxDicyclicN = kMaxGroupOrder / 4;  // 4n elements

enum class MatrixGroupKind { GL, SL, PSL, PGL };

// The dihedral group of the regular n-gon, n in 1..kMaxDihedralN (D1 = Z2,
// D2 = Z2 x Z2).
GroupPtr MakeDihedralGroup(int n);
// The dicyclic group of order 4n, n in 2..kMaxDicyclicN (Dic2 is the
// quaternion group).
GroupPtr MakeDicyclicGroup(int n);
// The quaternion group with the elements named 1, -1, i, -i, j, -j, k, -k.
GroupPtr MakeQuaternionGroup();

// "GL", "SL", "PSL", "PGL".
const char* MatrixGroupName(MatrixGroupKind kind);
// Number of elements of the group over Z_p (p prime), 0 when p is not a
// prime or the order does not fit in an int.
long MatrixGroupOrder(MatrixGroupKind kind, int p);
// The group for a prime p whose group has at most kMaxGroupOrder elements.
GroupPtr MakeMatrixGroup(MatrixGroupKind kind, int p);

}  // namespace quorix
