#pragma once
// Groups for tests: a zoo of small groups built through every generation
// method, Cayley tables of known groups, relabelled copies, and the one
// checker of the group axioms.

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/group/group.h"

namespace quorix::testing {

// The group described by a spec (see MakeGroupFromSpec), with its ID.
GroupPtr spec(const std::string& s);

// The sanitizer builds run the engine many times slower: there the checks
// of the largest groups (thousands of elements) keep to groups of at most
// 720, which take the same paths (16-bit tables, element sets on the heap).
constexpr bool kFullSizeGroups = !QUORIX_TESTS_SANITIZED;

// Cayley-table groups (method 0) with names "e", "g2", "g3", ... taken in
// the order of `order` (a permutation of g's reductive positions starting
// with 1); the identity's row lists the elements.
GroupPtr tableCopy(const Group& g, const std::vector<int>& order);
// Same, in a random order (identity kept first).
GroupPtr shuffledCopy(const Group& g, std::mt19937& rng);

// The dihedral group of order 2n (n >= 3) as a permutation group of degree n.
GroupPtr dihedral(int n);
// The quaternion group of order 8 from its Cayley table.
GroupPtr quaternion();
// The dicyclic group of order 4n (Q8 for n = 2, order 12 for n = 3) as a
// Cayley table.
GroupPtr dicyclic(int n);
// SL(2,3) acting on the eight nonzero vectors of F3^2.
GroupPtr specialLinear23();

struct NamedGroup {
    std::string label;
    GroupPtr group;
};

// Every group the tests can build cheaply with at most maxOrder elements:
// Z_n, U_n, S_d, A_d, dihedral, quaternion and dicyclic groups, SL(2,3),
// direct products, a cyclic and a non-regular permutation group. Several of
// them are isomorphic to each other on purpose.
std::vector<NamedGroup> zoo(int maxOrder);

// Checks the group axioms on a product of the elements 1..n: identity at 1,
// closure, an inverse for every element, associativity (exactly, on a
// generating set). Returns an empty string when they hold, else
// what failed.
std::string checkTableAxioms(int n, const std::function<int(int, int)>& product);
// The same on both integer tables of a group (positions and source indices).
std::string checkGroupAxioms(const Group& g);

}  // namespace quorix::testing
