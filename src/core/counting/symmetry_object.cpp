#include "core/counting/symmetry_object.h"

#include "core/perm/permutation.h"

#include "core/group/errors.h"
#include "core/group/math_functions.h"
#include "core/presentation/presented_group.h"
#include "core/text/text.h"

namespace quorix::counting {

namespace {

constexpr SolidKind kSolids[] = {SolidKind::Tetrahedron, SolidKind::Cube, SolidKind::Octahedron,
                                 SolidKind::Dodecahedron, SolidKind::Icosahedron};
constexpr SolidPart kParts[] = {SolidPart::Faces, SolidPart::Vertices, SolidPart::Edges};

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// "necklace(12)" -> 12 for prefix "necklace"; nullopt when not of that form.
std::optional<std::string_view> Argument(std::string_view text, std::string_view prefix) {
    if (text.substr(0, prefix.size()) != prefix) return std::nullopt;
    text.remove_prefix(prefix.size());
    if (text.size() < 2 || text.front() != '(' || text.back() != ')') return std::nullopt;
    return text.substr(1, text.size() - 2);
}

Permutation Rotation(int n) {
    std::vector<int> images(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) images[static_cast<std::size_t>(i)] = (i + 1) % n;
    return Permutation{std::move(images)};
}

Permutation TurnOver(int n) {
    std::vector<int> images(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) images[static_cast<std::size_t>(i)] = (n - i) % n;
    return Permutation{std::move(images)};
}

SymmetryObject Beads(const std::string& name, int n, bool turnOver, ObjectShape shape) {
    SymmetryObject object;
    object.name = name;
    object.shape = shape;
    const std::string what = shape == ObjectShape::Polygon ? " corners of a polygon" : " beads on a circle";
    object.description =
        std::to_string(n) + what +
        (turnOver ? ", turned and turned over (the dihedral group of order " + std::to_string(2 * n) + ")"
                  : ", turned (the cyclic group of order " + std::to_string(n) + ")");
    std::vector<Permutation> gens{Rotation(n)};
    if (turnOver) gens.push_back(TurnOver(n));
    object.group = std::make_shared<EnumeratedGroup>(n, gens);
    return object;
}

}  // namespace

bool IsObjectName(std::string_view text) {
    text = Trimmed(text);
    for (std::string_view prefix : {"necklace(", "bracelet(", "polygon("})
        if (text.substr(0, prefix.size()) == prefix) return true;
    for (SolidKind kind : kSolids) {
        const std::string name = std::string(SolidName(kind)) + "-";
        if (text.substr(0, name.size()) == name || text == SolidName(kind)) return true;
    }
    return false;
}

SymmetryObject MakeObject(std::string_view text, bool reflections) {
    text = Trimmed(text);
    for (std::string_view prefix : {"necklace", "bracelet", "polygon"}) {
        const std::optional<std::string_view> arg = Argument(text, prefix);
        if (!arg) continue;
        const std::optional<int> n = text::ParseInteger(*arg);
        if (!n || *n < 1 || *n > kMaxBeads)
            throw InvalidArgument("'" + std::string(text) + "': the number of " +
                                  (prefix == "polygon" ? "corners" : "beads") + " must be in range 1-" +
                                  std::to_string(kMaxBeads));
        const std::string name = std::string(prefix) + "(" + std::to_string(*n) + ")";
        if (prefix == "necklace") return Beads(name, *n, reflections, ObjectShape::Beads);
        return Beads(name, *n, true, prefix == "polygon" ? ObjectShape::Polygon : ObjectShape::Beads);
    }
    for (SolidKind kind : kSolids)
        for (SolidPart part : kParts) {
            const std::string name = std::string(SolidName(kind)) + "-" + PartName(part);
            if (text != name) continue;
            SymmetryObject object;
            object.name = name;
            object.shape = ObjectShape::Solid;
            object.solid = MakeSolid(kind);
            object.part = part;
            const std::vector<Permutation> action = SolidAction(*object.solid, part, reflections);
            object.group = std::make_shared<EnumeratedGroup>(PartSize(*object.solid, part), action);
            object.description = "the " + std::to_string(PartSize(*object.solid, part)) + " " + PartName(part) +
                                 " of the " + SolidName(kind) + ", " +
                                 (reflections ? "all " + std::to_string(action.size()) + " symmetries"
                                              : "its " + std::to_string(action.size()) + " rotations");
            return object;
        }
    throw InvalidArgument("'" + std::string(text) + "' is no object to colour (use " + kObjectHelp + ")");
}

SymmetryObject ObjectFromGroup(const Group& group, const std::string& name) {
    const int order = group.Order();
    int d = group.Degree();
    // Elements named as permutations: in one-line notation (S<d>, A<d>,
    // perm:2134,...) or in cycle notation (perm:(1,2),...), read on the
    // largest point any of them moves.
    std::vector<perm::Perm> read;
    bool permutations = order > 0;
    for (int i = 1; permutations && i <= order; ++i) {
        const std::string p = group.SourceElement(i);
        if (perm::IsCycleNotation(p)) {
            read.push_back(perm::ParseCycles(p, std::max(d, 1)));
        } else {
            permutations = d > 0 && static_cast<int>(p.size()) == d && MathFunctions::IsPermutationString(p);
            if (permutations) read.push_back(perm::ParsePermutationList(p).front());
        }
    }
    SymmetryObject object;
    object.name = name;
    if (permutations) {
        for (const perm::Perm& p : read) d = std::max(d, static_cast<int>(p.size()));
        std::vector<Permutation> elements;
        for (const perm::Perm& p : read) {
            const perm::Perm full = perm::Extend(p, d);
            elements.push_back(Permutation{std::vector<int>(full.begin(), full.end())});
        }
        object.group = std::make_shared<EnumeratedGroup>(d, elements);
        object.description =
            "the group " + name + " of order " + std::to_string(order) + " on its " + std::to_string(d) + " points";
        return object;
    }
    const std::string& description = group.Description();
    if (group.MethodOfGeneration() == GenerationMethod::Described && description.size() > 1 && description[0] == 'D' &&
        description.find_first_not_of("0123456789", 1) == std::string::npos) {
        const int n = std::stoi(description.substr(1));
        object = Beads(name, n, true, ObjectShape::Polygon);
        object.description = "the dihedral group " + name + " of order " + std::to_string(2 * n) + " on the " +
                             std::to_string(n) + " corners of the " + std::to_string(n) + "-gon";
        return object;
    }
    if (group.MethodOfGeneration() == GenerationMethod::Additive) {
        const int n = group.Modulus();
        object = Beads(name, n, false, ObjectShape::Beads);
        object.description = "the cyclic group " + name + " as the rotations of " + std::to_string(n) + " points";
        return object;
    }
    throw InvalidArgument("'" + name +
                          "' is not given as permutations of points: colourings are counted for S<d>, A<d>, "
                          "perm:..., D<n> (the n-gon), Z<n> (rotations) and the objects " +
                          kObjectHelp);
}

SymmetryObject MakeSymmetryObject(std::string_view text, bool reflections) {
    if (IsObjectName(text)) return MakeObject(text, reflections);
    const std::string spec(Trimmed(text));
    if (reflections)
        throw InvalidArgument("reflections belong to the objects (necklace(N) and the solids), not to the group '" +
                              spec + "'");
    GroupPtr group = MakeGroupFromDescription(spec);
    return ObjectFromGroup(*group, spec);
}

}  // namespace quorix::counting
