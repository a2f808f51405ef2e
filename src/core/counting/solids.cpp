#include "core/counting/solids.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>

#include "core/group/errors.h"

namespace quorix::counting {

namespace {

using Vec3 = std::array<double, 3>;
using Matrix = std::array<Vec3, 3>;  // rows

constexpr double kEps = 1e-6;

Vec3 Sub(const Vec3& a, const Vec3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec3 Add(const Vec3& a, const Vec3& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
Vec3 Scale(const Vec3& a, double s) { return {a[0] * s, a[1] * s, a[2] * s}; }
double Dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double Norm(const Vec3& a) { return std::sqrt(Dot(a, a)); }
Vec3 Apply(const Matrix& m, const Vec3& v) { return {Dot(m[0], v), Dot(m[1], v), Dot(m[2], v)}; }

// The vertices, unscaled.
std::vector<Vec3> Vertices(SolidKind kind) {
    const double phi = (1 + std::sqrt(5.0)) / 2;
    std::vector<Vec3> v;
    switch (kind) {
        case SolidKind::Tetrahedron:
            return {{1, 1, 1}, {1, -1, -1}, {-1, 1, -1}, {-1, -1, 1}};
        case SolidKind::Cube:
            for (int s = 0; s < 8; ++s) v.push_back({s & 4 ? -1.0 : 1.0, s & 2 ? -1.0 : 1.0, s & 1 ? -1.0 : 1.0});
            return v;
        case SolidKind::Octahedron:
            return {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
        case SolidKind::Dodecahedron:
            for (int s = 0; s < 8; ++s) v.push_back({s & 4 ? -1.0 : 1.0, s & 2 ? -1.0 : 1.0, s & 1 ? -1.0 : 1.0});
            for (int s = 0; s < 4; ++s) {
                const double a = s & 2 ? -1 / phi : 1 / phi, b = s & 1 ? -phi : phi;
                v.push_back({0, a, b});
                v.push_back({a, b, 0});
                v.push_back({b, 0, a});
            }
            return v;
        case SolidKind::Icosahedron:
            for (int s = 0; s < 4; ++s) {
                const double a = s & 2 ? -1.0 : 1.0, b = s & 1 ? -phi : phi;
                v.push_back({0, a, b});
                v.push_back({a, b, 0});
                v.push_back({b, 0, a});
            }
            return v;
    }
    return v;
}

int Find(const std::vector<Vec3>& points, const Vec3& p) {
    for (std::size_t i = 0; i < points.size(); ++i)
        if (Norm(Sub(points[i], p)) < kEps) return static_cast<int>(i);
    return -1;
}

// The faces: planes through three vertices with every vertex on one side,
// their vertices in cyclic order around the outward normal.
std::vector<std::vector<int>> Faces(const std::vector<Vec3>& v) {
    std::vector<std::vector<int>> faces;
    std::set<std::vector<int>> seen;
    const int n = static_cast<int>(v.size());
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            for (int c = b + 1; c < n; ++c) {
                Vec3 normal = Cross(Sub(v[b], v[a]), Sub(v[c], v[a]));
                if (Norm(normal) < kEps) continue;
                const double d = Dot(normal, v[a]);
                if (d < 0) normal = Scale(normal, -1);
                const double offset = std::abs(d);
                std::vector<int> on;
                bool supporting = true;
                for (int i = 0; i < n && supporting; ++i) {
                    const double s = Dot(normal, v[i]) - offset;
                    if (std::abs(s) < kEps)
                        on.push_back(i);
                    else if (s > 0)
                        supporting = false;
                }
                if (!supporting || !seen.insert(on).second) continue;
                // Order around the centre, counter-clockwise seen from outside.
                Vec3 centre{0, 0, 0};
                for (int i : on) centre = Add(centre, v[i]);
                centre = Scale(centre, 1.0 / static_cast<double>(on.size()));
                const Vec3 u = Sub(v[on[0]], centre), w = Cross(normal, u);
                std::sort(on.begin(), on.end(), [&](int p, int q) {
                    const Vec3 dp = Sub(v[p], centre), dq = Sub(v[q], centre);
                    return std::atan2(Dot(dp, w), Dot(dp, u)) < std::atan2(Dot(dq, w), Dot(dq, u));
                });
                faces.push_back(on);
            }
    return faces;
}

// The orthogonal map with (a, b, a x b) -> (c, d, +-(c x d)), when one exists.
Matrix MapFrames(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d, bool proper) {
    const Vec3 e = Cross(a, b), f = proper ? Cross(c, d) : Scale(Cross(c, d), -1);
    // M = [c d f] [a b e]^-1; the inverse of a matrix with columns a, b, e
    // has rows (b x e, e x a, a x b) / det.
    const double det = Dot(a, Cross(b, e));
    const Vec3 r0 = Scale(Cross(b, e), 1 / det), r1 = Scale(Cross(e, a), 1 / det), r2 = Scale(Cross(a, b), 1 / det);
    Matrix m{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) m[i][j] = c[i] * r0[j] + d[i] * r1[j] + f[i] * r2[j];
    return m;
}

}  // namespace

const char* SolidName(SolidKind kind) {
    switch (kind) {
        case SolidKind::Tetrahedron:
            return "tetrahedron";
        case SolidKind::Cube:
            return "cube";
        case SolidKind::Octahedron:
            return "octahedron";
        case SolidKind::Dodecahedron:
            return "dodecahedron";
        case SolidKind::Icosahedron:
            return "icosahedron";
    }
    return "";
}

const char* PartName(SolidPart part) {
    switch (part) {
        case SolidPart::Faces:
            return "faces";
        case SolidPart::Vertices:
            return "vertices";
        case SolidPart::Edges:
            return "edges";
    }
    return "";
}

Solid MakeSolid(SolidKind kind) {
    Solid solid{kind, {}, {}, {}, 0, {}};
    const std::vector<Vec3> v = Vertices(kind);
    const int n = static_cast<int>(v.size());
    solid.faces = Faces(v);
    double shortest = 1e9;
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b) shortest = std::min(shortest, Norm(Sub(v[a], v[b])));
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            if (std::abs(Norm(Sub(v[a], v[b])) - shortest) < kEps) solid.edges.emplace_back(a, b);

    // Every symmetry maps vertex 0 and a neighbour to a vertex and a
    // neighbour; try them all, rotations first.
    const Vec3 a = v[static_cast<std::size_t>(solid.edges[0].first)],
               b = v[static_cast<std::size_t>(solid.edges[0].second)];
    std::set<std::vector<int>> seen;
    for (bool proper : {true, false}) {
        for (const auto& [p, q] : solid.edges)
            for (const auto& [c, d] : {std::pair{p, q}, std::pair{q, p}}) {
                const Matrix m =
                    MapFrames(a, b, v[static_cast<std::size_t>(c)], v[static_cast<std::size_t>(d)], proper);
                std::vector<int> images;
                for (const Vec3& x : v) {
                    const int i = Find(v, Apply(m, x));
                    if (i < 0) break;
                    images.push_back(i);
                }
                if (static_cast<int>(images.size()) == n && seen.insert(images).second)
                    solid.vertexPerms.push_back(images);
            }
        if (proper) solid.rotations = static_cast<int>(solid.vertexPerms.size());
    }
    const std::size_t expected[] = {12, 24, 24, 60, 60};
    if (static_cast<std::size_t>(solid.rotations) != expected[static_cast<int>(kind)] ||
        solid.vertexPerms.size() != 2 * expected[static_cast<int>(kind)])
        throw ProgramError("MakeSolid: the symmetries of the " + std::string(SolidName(kind)) + " are miscounted");

    // The net: faces unfolded from face 0 along a spanning tree of shared
    // edges, breadth first; each child is the regular polygon on the far side
    // of the shared side.
    auto edgeOf = [&](int p, int q) {
        for (std::size_t e = 0; e < solid.edges.size(); ++e)
            if ((solid.edges[e].first == p && solid.edges[e].second == q) ||
                (solid.edges[e].first == q && solid.edges[e].second == p))
                return static_cast<int>(e);
        return -1;
    };
    const std::size_t f = solid.faces.size();
    const int m = static_cast<int>(solid.faces[0].size());
    const double pi = std::acos(-1.0);
    std::vector<int> placed(f, -1);  // net index per face
    NetFace root;
    root.face = 0;
    for (int i = 0; i < m; ++i)
        root.corners.push_back(
            {std::cos(2 * pi * i / m - pi / 2 - pi / m), std::sin(2 * pi * i / m - pi / 2 - pi / m)});
    solid.net.push_back(root);
    placed[0] = 0;
    for (std::size_t k = 0; k < solid.net.size(); ++k) {
        const int face = solid.net[k].face;
        const std::vector<int>& fv = solid.faces[static_cast<std::size_t>(face)];
        for (int i = 0; i < m; ++i) {
            const int p = fv[static_cast<std::size_t>(i)], q = fv[static_cast<std::size_t>((i + 1) % m)];
            for (std::size_t g = 0; g < f; ++g) {
                if (placed[g] >= 0) continue;
                const std::vector<int>& gv = solid.faces[g];
                auto at = std::find(gv.begin(), gv.end(), q);
                if (at == gv.end() || gv[static_cast<std::size_t>((at - gv.begin() + 1) % m)] != p) continue;
                // The child runs q, p, ... (the same orientation); its corners
                // continue around the regular polygon on the other side.
                const Vec2 P = solid.net[k].corners[static_cast<std::size_t>(i)];
                const Vec2 Q = solid.net[k].corners[static_cast<std::size_t>((i + 1) % m)];
                NetFace child;
                child.face = static_cast<int>(g);
                const int start = static_cast<int>(at - gv.begin());
                std::vector<Vec2> corners(static_cast<std::size_t>(m));
                corners[static_cast<std::size_t>(start)] = Q;
                corners[static_cast<std::size_t>((start + 1) % m)] = P;
                const double turn = 2 * pi / m;
                for (int j = 2; j < m; ++j) {
                    const Vec2 A = corners[static_cast<std::size_t>((start + j - 2) % m)];
                    const Vec2 B = corners[static_cast<std::size_t>((start + j - 1) % m)];
                    const double dx = B.x - A.x, dy = B.y - A.y;
                    corners[static_cast<std::size_t>((start + j) % m)] = {
                        B.x + dx * std::cos(turn) - dy * std::sin(turn),
                        B.y + dx * std::sin(turn) + dy * std::cos(turn)};
                }
                child.corners = corners;
                // A face that would overlap one already placed waits for
                // another neighbour.
                Vec2 centre{0, 0};
                for (const Vec2& c : corners) centre = {centre.x + c.x / m, centre.y + c.y / m};
                bool overlaps = false;
                for (const NetFace& other : solid.net) {
                    Vec2 oc{0, 0};
                    for (const Vec2& c : other.corners) oc = {oc.x + c.x / m, oc.y + c.y / m};
                    if (std::hypot(oc.x - centre.x, oc.y - centre.y) < 2 * std::cos(pi / m) - 1e-3) overlaps = true;
                }
                if (overlaps) continue;
                placed[g] = static_cast<int>(solid.net.size());
                solid.net.push_back(std::move(child));
            }
        }
    }
    if (solid.net.size() != f)
        throw ProgramError("MakeSolid: the net of the " + std::string(SolidName(kind)) + " leaves out faces");
    for (NetFace& nf : solid.net) {
        const std::vector<int>& fv = solid.faces[static_cast<std::size_t>(nf.face)];
        nf.vertices = fv;
        for (int i = 0; i < m; ++i)
            nf.edges.push_back(edgeOf(fv[static_cast<std::size_t>(i)], fv[static_cast<std::size_t>((i + 1) % m)]));
    }
    return solid;
}

int PartSize(const Solid& solid, SolidPart part) {
    switch (part) {
        case SolidPart::Faces:
            return static_cast<int>(solid.faces.size());
        case SolidPart::Vertices:
            return static_cast<int>(solid.vertexPerms[0].size());
        case SolidPart::Edges:
            return static_cast<int>(solid.edges.size());
    }
    return 0;
}

std::vector<Permutation> SolidAction(const Solid& solid, SolidPart part, bool reflections) {
    const std::size_t count = reflections ? solid.vertexPerms.size() : static_cast<std::size_t>(solid.rotations);
    std::map<std::vector<int>, int> faceIndex;
    for (std::size_t i = 0; i < solid.faces.size(); ++i) {
        std::vector<int> key = solid.faces[i];
        std::sort(key.begin(), key.end());
        faceIndex[key] = static_cast<int>(i);
    }
    std::vector<Permutation> result;
    for (std::size_t s = 0; s < count; ++s) {
        const std::vector<int>& pv = solid.vertexPerms[s];
        std::vector<int> images;
        switch (part) {
            case SolidPart::Vertices:
                images = pv;
                break;
            case SolidPart::Edges:
                for (const auto& [p, q] : solid.edges) {
                    const int a = pv[static_cast<std::size_t>(p)], b = pv[static_cast<std::size_t>(q)];
                    const auto it =
                        std::find(solid.edges.begin(), solid.edges.end(), std::pair{std::min(a, b), std::max(a, b)});
                    images.push_back(static_cast<int>(it - solid.edges.begin()));
                }
                break;
            case SolidPart::Faces:
                for (const std::vector<int>& face : solid.faces) {
                    std::vector<int> key;
                    for (int x : face) key.push_back(pv[static_cast<std::size_t>(x)]);
                    std::sort(key.begin(), key.end());
                    images.push_back(faceIndex.at(key));
                }
                break;
        }
        result.push_back(Permutation{std::move(images)});
    }
    return result;
}

}  // namespace quorix::counting
