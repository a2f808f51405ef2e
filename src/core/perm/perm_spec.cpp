#include "core/perm/perm_spec.h"

#include <array>

#include "core/group/errors.h"
#include "core/text/text.h"

namespace quorix::perm {

namespace {

constexpr std::array<const char*, 6> kCubeMoves = {
    "(1,3,8,6)(2,5,7,4)(9,33,25,17)(10,34,26,18)(11,35,27,19)",
    "(9,11,16,14)(10,13,15,12)(1,17,41,40)(4,20,44,37)(6,22,46,35)",
    "(17,19,24,22)(18,21,23,20)(6,25,43,16)(7,28,42,13)(8,30,41,11)",
    "(25,27,32,30)(26,29,31,28)(3,38,43,19)(5,36,45,21)(8,33,48,24)",
    "(33,35,40,38)(34,37,39,36)(3,9,46,32)(2,12,47,29)(1,14,48,27)",
    "(41,43,48,46)(42,45,47,44)(14,22,30,38)(15,23,31,39)(16,24,32,40)",
};
constexpr std::array<const char*, 6> kCubeNames = {"U", "L", "F", "R", "B", "D"};

PermSpec Cube(bool small) {
    PermSpec s;
    s.degree = small ? 24 : 48;
    // The corner facelets are places 1, 3, 6, 8 of each face.
    std::vector<int> local(48, -1);
    int next = 0;
    for (int f = 0; f < 6; ++f)
        for (int place : {0, 2, 5, 7}) local[static_cast<std::size_t>(f * 8 + place)] = next++;
    for (std::size_t k = 0; k < kCubeMoves.size(); ++k) {
        Perm p = ParseCycles(kCubeMoves[k], 48);
        if (small) {
            Perm q(24);
            for (std::size_t i = 0; i < 48; ++i)
                if (local[i] >= 0) q[static_cast<std::size_t>(local[i])] = static_cast<Point>(local[p[i]]);
            p = q;
        }
        s.generators.push_back(std::move(p));
        s.names.push_back(kCubeNames[k]);
    }
    return s;
}

PermSpec FromCycles(int degree, std::initializer_list<const char*> gens) {
    PermSpec s;
    s.degree = degree;
    for (const char* g : gens) s.generators.push_back(ParseCycles(g, degree));
    for (std::size_t i = 0; i < s.generators.size(); ++i) s.names.push_back("g" + std::to_string(i + 1));
    return s;
}

std::optional<PermSpec> BuiltIn(std::string_view name) {
    const char* c11 = "(1,2,3,4,5,6,7,8,9,10,11)";
    const char* c23 = "(1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23)";
    const char* m23b = "(3,17,10,7,9)(4,13,14,19,5)(8,18,11,12,23)(15,20,22,21,16)";
    if (name == "Rubik") return Cube(false);
    if (name == "Rubik2") return Cube(true);
    if (name == "M11") return FromCycles(11, {c11, "(3,7,11,8)(4,10,5,6)"});
    if (name == "M12") return FromCycles(12, {c11, "(3,7,11,8)(4,10,5,6)", "(1,12)(2,11)(3,6)(4,8)(5,9)(7,10)"});
    if (name == "M22")
        return FromCycles(22, {"(1,2,3,4,5,6,7,8,9,10,11)(12,13,14,15,16,17,18,19,20,21,22)",
                               "(1,4,5,9,3)(2,8,10,7,6)(12,15,16,20,14)(13,19,21,18,17)",
                               "(1,21)(2,10,8,6)(3,13,4,17)(5,19,9,18)(11,22)(12,14,16,20)"});
    if (name == "M23") return FromCycles(23, {c23, m23b});
    if (name == "M24")
        return FromCycles(24,
                          {c23, m23b, "(1,24)(2,23)(3,12)(4,16)(5,18)(6,10)(7,20)(8,14)(9,21)(11,17)(13,22)(15,19)"});
    return std::nullopt;
}

}  // namespace

std::optional<PermSpec> ReadPermSpec(std::string_view raw) {
    const std::string_view text = text::TrimBlanks(raw);
    std::optional<PermSpec> spec;
    if (text.substr(0, 5) == "perm:") {
        if (text.size() > kMaxPermSpecLength)
            throw InvalidArgument("a permutation group description may not be longer than " +
                                  std::to_string(kMaxPermSpecLength) + " characters");
        PermSpec s;
        s.generators = ParsePermutationList(text.substr(5));
        s.degree = static_cast<int>(s.generators[0].size());
        if (s.degree > kMaxDegree)
            throw InvalidArgument("'" + std::string(text.substr(0, 40)) + "': the degree may be at most " +
                                  std::to_string(kMaxDegree));
        for (std::size_t i = 0; i < s.generators.size(); ++i) s.names.push_back("g" + std::to_string(i + 1));
        spec = std::move(s);
    } else if ((spec = BuiltIn(text))) {
    } else if (text.size() >= 2 && (text[0] == 'S' || text[0] == 'A') &&
               text.find_first_not_of("0123456789", 1) == std::string_view::npos) {
        const std::optional<int> d = text::ParseInteger(text.substr(1));
        if (!d || *d < 1 || *d > kMaxDegree)
            throw InvalidArgument("'" + std::string(text) + "': the degree must be in range 1-" +
                                  std::to_string(kMaxDegree));
        PermSpec s;
        s.degree = *d;
        const bool alt = text[0] == 'A';
        // S<d>: (1,2,...,d) and (1,2); A<d>: (1,2,3) and (1,...,d) or (2,...,d).
        Perm cycle = Identity(*d), small = Identity(*d);
        const int from = alt && *d % 2 == 0 ? 1 : 0;
        for (int i = from; i < *d; ++i)
            cycle[static_cast<std::size_t>(i)] = static_cast<Point>(i + 1 < *d ? i + 1 : from);
        if (alt && *d >= 3)
            small[0] = 1, small[1] = 2, small[2] = 0;
        else if (!alt && *d >= 2)
            small[0] = 1, small[1] = 0;
        if (!IsIdentity(cycle) && (!alt || *d >= 3)) s.generators.push_back(cycle), s.names.push_back("c");
        if (!IsIdentity(small)) s.generators.push_back(small), s.names.push_back(alt ? "r" : "t");
        spec = std::move(s);
    }
    if (spec) spec->name = std::string(text);
    return spec;
}

PermGroupPtr MakePermGroup(const PermSpec& spec, Progress& progress) {
    return PermGroup::Create(spec.degree, spec.generators, spec.names, progress);
}

}  // namespace quorix::perm
