#pragma once
// A permutation group listed element by element: the closure of its
// generators, its conjugacy classes, and products by index. Counting by
// Burnside's lemma sums over the elements, so the whole group is listed;
// groups above kMaxEnumeratedOrder elements are refused.

#include <cstddef>
#include <unordered_map>
#include <vector>

#include "core/counting/permutation.h"

namespace quorix::counting {

inline constexpr std::size_t kMaxEnumeratedOrder = 100000;

struct ConjugacyClass {
    std::vector<std::size_t> members;  // element indices, increasing; the first is the representative
    std::size_t representative() const { return members.front(); }
};

class EnumeratedGroup {
public:
    // The group the generators produce on `degree` points (the identity for
    // none). Throws InvalidArgument for a generator of another degree or a
    // group above kMaxEnumeratedOrder elements.
    EnumeratedGroup(int degree, const std::vector<Permutation>& generators);

    int degree() const { return degree_; }
    std::size_t order() const { return elements_.size(); }
    // Identity first, then in the order the closure reaches them (shorter
    // products of the generators earlier).
    const std::vector<Permutation>& elements() const { return elements_; }
    const Permutation& element(std::size_t i) const { return elements_[i]; }
    // Indices of the distinct generators other than the identity.
    const std::vector<std::size_t>& generators() const { return generators_; }
    // -1 when p is not in the group (or has another degree).
    long IndexOf(const Permutation& p) const;

    // Classes in the order of their representatives (the identity's first).
    const std::vector<ConjugacyClass>& conjugacyClasses() const { return classes_; }

private:
    int degree_;
    std::vector<Permutation> elements_;
    std::vector<std::size_t> generators_;
    std::unordered_map<Permutation, std::size_t, PermutationHash> index_;
    std::vector<ConjugacyClass> classes_;
};

}  // namespace quorix::counting
