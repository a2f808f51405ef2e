#pragma once
// The HTML views: the Summary View of a search and one view per family of
// groups, in the order of their component strings among the preferences.

namespace quorix {

enum class ViewKind : int {
    Summary = 0,
    Symmetric,
    Alternating,
    Permutation,
    Additive,
    Multiplicative,
    DirectProduct,
    Automorphism,
};
inline constexpr int kViewKindCount = 8;

}  // namespace quorix
