#pragma once
// What the counting acts on: a built-in object (necklace(N), bracelet(N),
// polygon(N), the solids' faces, vertices or edges) or a permutation group
// acting on its points, with its listed group and how its colourings are
// drawn.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/counting/enumerated_group.h"
#include "core/counting/solids.h"
#include "core/group/group.h"

namespace quorix::counting {

// The most beads of a necklace, bracelet or polygon.
inline constexpr int kMaxBeads = 1000;

enum class ObjectShape { Points, Beads, Polygon, Solid };

struct SymmetryObject {
    std::string name;         // "necklace(6)", "cube-faces", "S4"
    std::string description;  // "6 beads on a circle, turned (rotations)"
    ObjectShape shape = ObjectShape::Points;
    std::optional<Solid> solid;  // for ObjectShape::Solid
    SolidPart part = SolidPart::Faces;
    std::shared_ptr<const EnumeratedGroup> group;
};

// The object names the counting knows, for help texts.
inline constexpr const char* kObjectHelp =
    "necklace(N), bracelet(N), polygon(N) (N = 1-1000), or SOLID-faces, SOLID-vertices, SOLID-edges for "
    "tetrahedron, cube, octahedron, dodecahedron, icosahedron";

// Whether the text names a built-in object (its spelling may still be
// wrong: "necklace(0)").
bool IsObjectName(std::string_view text);

// A built-in object; `reflections` adds turning over (necklace) or the
// mirror symmetries (solids); bracelets and polygons have them already.
// Throws InvalidArgument for an unknown name or a bad number.
SymmetryObject MakeObject(std::string_view text, bool reflections);

// A group acting on points: one given by permutations (S<d>, A<d>, perm:...,
// subgroups of them) on its degree's points, D<n> on the corners of the
// n-gon, Z<n> as the rotations of n points. InvalidArgument for a group with
// no such action, naming it.
SymmetryObject ObjectFromGroup(const Group& group, const std::string& name);

// An object name, else a group description (core/presentation's reader).
SymmetryObject MakeSymmetryObject(std::string_view text, bool reflections);

}  // namespace quorix::counting
