#pragma once
// The five regular solids from the coordinates of their vertices: faces,
// edges, the symmetry group as permutations of vertices, edges and faces
// (rotations, or all symmetries with the reflections), and a net of the
// faces for drawing colourings.

#include <string>
#include <string_view>
#include <vector>

#include "core/counting/permutation.h"

namespace quorix::counting {

enum class SolidKind { Tetrahedron, Cube, Octahedron, Dodecahedron, Icosahedron };
enum class SolidPart { Faces, Vertices, Edges };

const char* SolidName(SolidKind kind);  // "cube"
const char* PartName(SolidPart part);   // "faces"

struct Vec2 {
    double x = 0, y = 0;
};

// A net: each face once, as a regular polygon in the plane, with the solid's
// numbers of its corners and sides, so that a colouring of vertices or edges
// can be drawn on the net too (a vertex or an edge on a cut appears more
// than once, in its one colour).
struct NetFace {
    int face = 0;
    std::vector<Vec2> corners;
    std::vector<int> vertices;  // the solid's vertex at each corner
    std::vector<int> edges;     // the solid's edge from corner i to corner i + 1
};

struct Solid {
    SolidKind kind;
    std::vector<std::vector<int>> faces;        // vertex numbers around each face
    std::vector<std::pair<int, int>> edges;     // vertex pairs
    std::vector<std::vector<int>> vertexPerms;  // per symmetry: image of each vertex
    int rotations = 0;                          // the first `rotations` symmetries are rotations
    std::vector<NetFace> net;
};

// Built once per call from coordinates; every symmetry of the solid, the
// rotations first.
Solid MakeSolid(SolidKind kind);

// The symmetries acting on one part, rotations only or all of them.
std::vector<Permutation> SolidAction(const Solid& solid, SolidPart part, bool reflections);
int PartSize(const Solid& solid, SolidPart part);

}  // namespace quorix::counting
