#pragma once
// The permutation groups a description can name: S<d>, A<d> (d up to
// kMaxDegree), perm:<generators> (cycle or one-line notation, comma
// separated outside parentheses), and the built-ins Rubik (the 3x3x3 cube on
// its 48 movable facelets, generators U L F R B D), Rubik2 (2x2x2, 24
// facelets), M11, M12, M22, M23, M24.
//
// Facelets of the cubes: faces U, L, F, R, B, D in that order, each read
// row by row without its centre (1 2 3 / 4 . 5 / 6 7 8), so U is 1-8, L
// 9-16, ..., D 41-48; the 2x2x2 keeps the corner facelets, four per face.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/perm/perm_group.h"

namespace quorix::perm {

// Long enough for several permutations of degree 1000 in cycle notation.
inline constexpr std::size_t kMaxPermSpecLength = 65536;

struct PermSpec {
    std::string name;  // the description as given
    int degree = 1;
    std::vector<Perm> generators;
    std::vector<std::string> names;
};

// nullopt when the text names no permutation group; InvalidArgument for a
// permutation description that cannot be read.
std::optional<PermSpec> ReadPermSpec(std::string_view text);
PermGroupPtr MakePermGroup(const PermSpec& spec, Progress& progress);

}  // namespace quorix::perm
