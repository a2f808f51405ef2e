#include "test_groups.h"

#include <array>
#include <map>

#include "core/group/group_spec.h"
#include "core/group/math_functions.h"

namespace quorix::testing {

GroupPtr Make(const std::string& spec) {
    GroupPtr g = MakeGroupFromSpec(spec);
    if (g->GroupID().empty() || spec.rfind("perm:", 0) == 0) g->SetGroupID(spec);
    return g;
}

GroupPtr Dicyclic(int m) {
    // a^k x^j with a^(2m) = 1, x^2 = a^m, x a = a^-1 x.
    const int n = 4 * m;
    auto nameOf = [&](int k, int j) { return "a" + std::to_string(k) + (j ? "x" : ""); };
    std::vector<std::pair<int, int>> elems;
    for (int j = 0; j < 2; ++j)
        for (int k = 0; k < 2 * m; ++k) elems.emplace_back(k, j);
    CayleyTable table(static_cast<std::size_t>(n), std::vector<std::string>(static_cast<std::size_t>(n)));
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            auto [k, j] = elems[static_cast<std::size_t>(r)];
            auto [l, i] = elems[static_cast<std::size_t>(c)];
            int e, f;
            if (j == 0) {
                e = k + l;
                f = i;
            } else {
                e = k - l;
                f = 1 + i;
                if (f == 2) {
                    e += m;
                    f = 0;
                }
            }
            e = ((e % (2 * m)) + 2 * m) % (2 * m);
            table[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = nameOf(e, f);
        }
    GroupPtr g = Group::Create();
    g->Generate(table);
    g->SetGroupID(m == 2 ? "Q8" : "Dic" + std::to_string(4 * m));
    return g;
}

GroupPtr Dihedral(int m) {
    std::string rotation, reflection;
    for (int i = 1; i <= m; ++i) {
        rotation += MathFunctions::PermutationDigitChar(i % m + 1);
        reflection += MathFunctions::PermutationDigitChar(m + 1 - i);
    }
    GroupPtr g = MakeGroupFromSpec("perm:" + rotation + "," + reflection);
    g->SetGroupID("D" + std::to_string(2 * m));
    return g;
}

GroupPtr SpecialLinear23() {
    std::vector<std::array<int, 2>> points;
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 3; ++y)
            if (x || y) points.push_back({x, y});
    auto permutationOf = [&](std::array<int, 4> mtx) {
        std::string p;
        for (auto v : points) {
            std::array<int, 2> w{(mtx[0] * v[0] + mtx[1] * v[1]) % 3, (mtx[2] * v[0] + mtx[3] * v[1]) % 3};
            for (std::size_t i = 0; i < points.size(); ++i)
                if (points[i] == w) p += MathFunctions::PermutationDigitChar(static_cast<int>(i) + 1);
        }
        return p;
    };
    GroupPtr g = MakeGroupFromSpec("perm:" + permutationOf({1, 1, 0, 1}) + "," + permutationOf({1, 0, 1, 1}));
    g->SetGroupID("SL(2,3)");
    return g;
}

std::vector<NamedGroup> SmallGroups(int maxOrder) {
    std::vector<std::string> specs;
    for (int n = 1; n <= maxOrder; ++n) specs.push_back("Z" + std::to_string(n));
    for (int n = 3; n <= 200; ++n)
        if (MathFunctions::EulerPhi(n) <= maxOrder && MathFunctions::EulerPhi(n) >= 4) specs.push_back("U" + std::to_string(n));
    for (int d = 1; d <= 5; ++d) {
        if (MathFunctions::Factorial(d) <= maxOrder) specs.push_back("S" + std::to_string(d));
        if (MathFunctions::Factorial(d) / 2 <= maxOrder && d >= 3) specs.push_back("A" + std::to_string(d));
    }
    const std::vector<std::pair<std::string, int>> atoms = {{"Z2", 2}, {"Z3", 3}, {"Z4", 4}, {"Z5", 5}, {"Z6", 6},
                                                            {"S3", 6}, {"Z8", 8}, {"A4", 12}, {"Z2xZ2", 4}};
    for (const auto& [a, oa] : atoms)
        for (const auto& [b, ob] : atoms)
            if (oa * ob <= maxOrder && a <= b) specs.push_back(a + "x" + b);
    if (8 <= maxOrder) specs.push_back("Z2xZ2xZ2");
    if (16 <= maxOrder) specs.push_back("Z2xZ2xZ2xZ2");
    if (24 <= maxOrder) specs.push_back("Z2xS3xZ2");

    std::vector<NamedGroup> out;
    for (const std::string& s : specs) out.push_back({s, Make(s)});
    for (int m = 3; 2 * m <= maxOrder && m <= 15; ++m) out.push_back({"D" + std::to_string(2 * m), Dihedral(m)});
    for (int m = 2; 4 * m <= maxOrder && 4 * m <= kMaxTableOrder; ++m)
        out.push_back({"Dic" + std::to_string(4 * m), Dicyclic(m)});
    if (24 <= maxOrder) out.push_back({"SL(2,3)", SpecialLinear23()});
    // A cyclic group given by one permutation (its naming comes from the
    // permutations) and a non-regular permutation group.
    if (6 <= maxOrder) out.push_back({"perm:231564", Make("perm:231564")});
    if (20 <= maxOrder) out.push_back({"perm:23451,24135", Make("perm:23451,24135")});
    return out;
}

}  // namespace quorix::testing
