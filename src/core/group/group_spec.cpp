#include "core/group/group_spec.h"

#include <charconv>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/group/families.h"
#include "core/group/math_functions.h"
#include "core/group/permutation_closure.h"
#include "core/text/text.h"

namespace quorix {

namespace {

InvalidArgument NotAGroup(std::string_view atom) {
    return InvalidArgument("'" + std::string(atom) +
                           "' is not a group (use S<d>, A<d>, Z<n>, U<n>, D<n>, Dic<n>, Q8, GL(2,p), SL(2,p), "
                           "PSL(2,p), PGL(2,p) or perm:...)");
}

bool AllDigits(std::string_view s) { return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos; }

InvalidArgument TooLarge(std::string_view digits, std::string_view spec) {
    return InvalidArgument("'" + std::string(spec) + "': the number " + std::string(digits) + " is too large");
}

int ParseNumber(std::string_view digits, std::string_view spec) {
    if (const std::optional<int> v = text::ParseInteger(digits)) return *v;
    if (digits.empty()) throw InvalidArgument("'" + std::string(spec) + "' needs a number after its letter");
    if (AllDigits(digits)) throw TooLarge(digits, spec);
    throw NotAGroup(spec);
}

GroupPtr MakePermutationGroup(std::string_view list, std::string_view spec) {
    std::vector<std::string> gens;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t comma = list.find(',', start);
        std::string p(list.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (!p.empty()) gens.push_back(p);
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (gens.empty()) throw InvalidArgument("'" + std::string(spec) + "' lists no permutation");
    for (const std::string& g : gens) {
        // A character that is no digit of the notation is named as typed
        // (all bytes of a UTF-8 character), not counted into a degree.
        const std::size_t bad = g.find_first_not_of("123456789ABCDEF");
        if (bad == std::string::npos) continue;
        std::size_t end = bad + 1;
        while (end < g.size() && (static_cast<unsigned char>(g[end]) & 0xC0) == 0x80) ++end;
        throw InvalidArgument("'" + g + "' holds '" + g.substr(bad, end - bad) +
                              "', which is no digit of one-line notation (1-9, A-F)");
    }
    const std::size_t d = gens[0].size();
    for (const std::string& g : gens)
        if (g.size() != d || !MathFunctions::IsPermutationString(g))
            throw InvalidArgument("'" + g + "' is not a permutation of degree " + std::to_string(d) +
                                  " in one-line notation (digits 1-9, A-F)");
    std::vector<std::string> elements{MathFunctions::IdentityPermutation(static_cast<int>(d))};
    std::unordered_set<std::string> seen{elements[0]};
    for (const std::string& g : gens)
        if (seen.insert(g).second) elements.push_back(g);
    ClosureResult closed = ClosePermutations(std::move(elements), true, kMaxGroupOrder);
    if (closed.status != ClosureResult::Status::Closed)
        throw InvalidArgument("the permutations of '" + std::string(spec) + "' generate more than 120 elements");
    auto g = Group::Create();
    g->GeneratePermutational(closed.elements);
    g->SetGroupID("Perm" + std::to_string(d));
    return g;
}

// "GL(2,3)", "PSL(2,5)": the matrix groups of degree 2 over Z_p.
GroupPtr MakeMatrixAtom(std::string_view atom) {
    for (MatrixGroupKind kind :
         {MatrixGroupKind::PSL, MatrixGroupKind::PGL, MatrixGroupKind::GL, MatrixGroupKind::SL}) {
        const std::string prefix = std::string(MatrixGroupName(kind)) + "(2,";
        if (atom.substr(0, prefix.size()) != prefix) continue;
        if (atom.back() != ')')
            throw InvalidArgument("'" + std::string(atom) + "' must read " + MatrixGroupName(kind) + "(2,p)");
        const std::string_view digits = atom.substr(prefix.size(), atom.size() - prefix.size() - 1);
        const std::optional<int> p = text::ParseInteger(digits);
        if (!p && AllDigits(digits)) throw TooLarge(digits, atom);
        if (!p)
            throw InvalidArgument("'" + std::string(atom) + "' needs a prime p in " + MatrixGroupName(kind) + "(2,p)");
        return MakeMatrixGroup(kind, *p);
    }
    return nullptr;
}

GroupPtr MakeAtom(std::string_view atom, std::string_view spec) {
    if (atom.empty()) throw InvalidArgument("'" + std::string(spec) + "' has an empty factor");
    if (atom.substr(0, 5) == "perm:") return MakePermutationGroup(atom.substr(5), spec);
    if (GroupPtr matrix = MakeMatrixAtom(atom)) return matrix;
    if (atom == "Q8") return MakeQuaternionGroup();
    if (atom.substr(0, 3) == "Dic") return MakeDicyclicGroup(ParseNumber(atom.substr(3), atom));
    const char kind = atom[0];
    if (std::string_view("SAZUD").find(kind) == std::string_view::npos) throw NotAGroup(atom);
    const int n = ParseNumber(atom.substr(1), atom);
    auto g = Group::Create();
    switch (kind) {
        case 'S':
        case 'A':
            if (n < 1 || n > 5) throw InvalidArgument("'" + std::string(atom) + "': the degree must be in range 1-5");
            kind == 'S' ? g->GenerateSymmetric(n) : g->GenerateAlternating(n);
            return g;
        case 'Z':
            if (n < 1 || n > kMaxGroupOrder)
                throw InvalidArgument("'" + std::string(atom) + "': the modulus must be in range 1-120");
            g->GenerateAdditive(n);
            return g;
        case 'U':
            if (n < 2 || n > kMaxUnitsModulus || MathFunctions::EulerPhi(n) > kMaxGroupOrder)
                throw InvalidArgument("'" + std::string(atom) + "': the modulus must be in range 2-" +
                                      std::to_string(kMaxUnitsModulus) + " with at most 120 units");
            g->GenerateMultiplicative(n);
            return g;
        case 'D':
            return MakeDihedralGroup(n);
        default:
            throw NotAGroup(atom);
    }
}

}  // namespace

GroupPtr MakeGroupFromSpec(std::string_view spec) {
    if (spec.size() > kMaxSpecLength)
        throw InvalidArgument("a group description may not be longer than " + std::to_string(kMaxSpecLength) +
                              " characters");
    if (spec.find('<') != std::string_view::npos)
        throw InvalidArgument("'" + std::string(spec) +
                              "': a presentation <generators | relations> must be the whole description");
    // Factors are separated by "x"; no other factor holds an "x".
    std::vector<std::string_view> atoms;
    std::size_t start = 0;
    while (true) {
        std::size_t x = spec.find('x', start);
        atoms.push_back(spec.substr(start, x == std::string_view::npos ? std::string_view::npos : x - start));
        if (x == std::string_view::npos) break;
        if (atoms.size() == kMaxSpecFactors)
            throw InvalidArgument("a direct product may not have more than " + std::to_string(kMaxSpecFactors) +
                                  " factors (2^7 = 128 > 120: more factors leave one of them trivial)");
        start = x + 1;
    }
    GroupPtr result = MakeAtom(atoms[0], spec);
    for (std::size_t i = 1; i < atoms.size(); ++i) {
        GroupPtr next = MakeAtom(atoms[i], spec);
        if (result->Order() * next->Order() > kMaxGroupOrder)
            throw InvalidArgument("'" + std::string(spec) + "': a direct product cannot exceed 120 elements");
        auto product = Group::Create();
        product->GenerateDirectProduct(result, next);
        result = product;
    }
    return result;
}

}  // namespace quorix
