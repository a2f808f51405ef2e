#pragma once
// Permutations of the points 0..n-1 as image lists, for the groups the
// counting works with: products, inverses, cycles and cycle types.

#include <cstddef>
#include <string>
#include <vector>

namespace quorix::counting {

// images[i] is the image of point i.
struct Permutation {
    std::vector<int> images;

    int degree() const { return static_cast<int>(images.size()); }
    int operator()(int point) const { return images[static_cast<std::size_t>(point)]; }
    friend bool operator==(const Permutation&, const Permutation&) = default;
};

struct PermutationHash {
    std::size_t operator()(const Permutation& p) const;
};

Permutation IdentityPermutation(int degree);
// x -> first(second(x)): second acts first.
Permutation Compose(const Permutation& first, const Permutation& second);
Permutation Inverse(const Permutation& p);
bool IsIdentity(const Permutation& p);

// From one-line images (0-based); throws InvalidArgument naming `what` when
// the list is no permutation.
Permutation PermutationFromImages(std::vector<int> images, const std::string& what);

// counts[L - 1] = the number of cycles of length L (fixed points count as
// cycles of length 1); the sum of L * counts[L - 1] is the degree.
using CycleType = std::vector<int>;
CycleType CycleTypeOf(const Permutation& p);
int CycleCount(const CycleType& type);
// "1^2 2^2", the lengths in increasing order; "()" for degree 0.
std::string CycleTypeText(const CycleType& type);
// The cycles of length at least 2 with 1-based points, "(1 2 3)(4 5)";
// "()" for the identity. Points above 9 are written in decimal too.
std::string CycleNotation(const Permutation& p);

}  // namespace quorix::counting
