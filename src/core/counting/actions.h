#pragma once
// A listed permutation group acting on a finite set: its points, the
// k-colourings of its points, the k-subsets of its points, its own elements
// by conjugation, the left cosets of a subgroup by multiplication. Orbits,
// stabilizers and the orbit-stabilizer count |orbit| * |stabilizer| = |G|.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "core/counting/enumerated_group.h"
#include "core/host/progress.h"

namespace quorix::counting {

// The largest set an action is built on (colourings, subsets).
inline constexpr std::size_t kMaxActionSize = 1u << 24;

class GroupAction {
public:
    explicit GroupAction(const EnumeratedGroup& group) : group_(group) {}
    virtual ~GroupAction() = default;
    GroupAction(const GroupAction&) = delete;
    GroupAction& operator=(const GroupAction&) = delete;

    const EnumeratedGroup& group() const { return group_; }
    // The points acted on are 0..size()-1.
    virtual std::size_t size() const = 0;
    // The image of `point` under the group's element `element`.
    virtual std::size_t Image(std::size_t element, std::size_t point) const = 0;
    // How the point is written ("3", "1 2 1 1", "{1,3}", "(1 2)", "(1 2)H").
    virtual std::string PointName(std::size_t point) const = 0;

private:
    const EnumeratedGroup& group_;
};

// Each throws InvalidArgument when its set would exceed kMaxActionSize.
std::unique_ptr<GroupAction> ActionOnPoints(const EnumeratedGroup& group);
// Colouring c (a base-k number, point 1 the leading digit) goes to g.c,
// (g.c)(g(i)) = c(i).
std::unique_ptr<GroupAction> ActionOnColourings(const EnumeratedGroup& group, int colours);
// The k-subsets of the points in lexicographic order.
std::unique_ptr<GroupAction> ActionOnSubsets(const EnumeratedGroup& group, int k);
// g.x = g x g^-1 on element indices.
std::unique_ptr<GroupAction> ActionByConjugation(const EnumeratedGroup& group);
// g.(xH) = (gx)H on the left cosets of the subgroup H that `subgroup`
// generates (its elements must lie in the group: InvalidArgument otherwise).
std::unique_ptr<GroupAction> ActionOnCosets(const EnumeratedGroup& group, const std::vector<Permutation>& subgroup);

struct Orbits {
    std::vector<std::vector<std::size_t>> orbits;  // each sorted; ordered by their smallest point
    bool halted = false;
};

// Every orbit, walking the generators' images.
Orbits FindOrbits(const GroupAction& action, Progress& progress);
std::vector<std::size_t> OrbitOf(const GroupAction& action, std::size_t point);
// The elements fixing `point`.
std::vector<std::size_t> Stabilizer(const GroupAction& action, std::size_t point);

}  // namespace quorix::counting
