#include "core/group/families.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "core/group/math_functions.h"

namespace quorix {

namespace {

// "r|2|s": a power in markup, the exponent left out when it is 1.
std::string PowerName(const std::string& letter, int k) {
    if (k == 0) return "";
    return k == 1 ? letter : letter + "|" + std::to_string(k) + "|";
}

std::string Wordish(std::string word) { return word.empty() ? "1" : word; }

GroupPtr Build(const std::string& id, const std::string& description, const std::vector<std::string>& names,
               const std::vector<std::uint16_t>& products) {
    auto g = Group::Create();
    g->GenerateDescribed(id, description, names, products);
    return g;
}

}  // namespace

GroupPtr MakeDihedralGroup(int n) {
    if (n > kMaxDihedralN) throw InvalidArgument(TooLargeForTable("D" + std::to_string(n), 2LL * n));
    if (n < 1)
        throw InvalidArgument("D" + std::to_string(n) + ": n must be in range 1-" + std::to_string(kMaxDihedralN));
    // Element e * n + k stands for r^k s^e; (r^i s^e)(r^j s^f) = r^(i +- j) s^(e+f).
    const int order = 2 * n;
    std::vector<std::string> names;
    for (int e = 0; e < 2; ++e)
        for (int k = 0; k < n; ++k) names.push_back(Wordish(PowerName("r", k) + (e ? "s" : "")));
    std::vector<std::uint16_t> products(static_cast<std::size_t>(order) * static_cast<std::size_t>(order));
    for (int x = 0; x < order; ++x)
        for (int y = 0; y < order; ++y) {
            const int e = x / n, i = x % n, f = y / n, j = y % n;
            const int k = ((e ? i - j : i + j) % n + n) % n;
            products[static_cast<std::size_t>(x) * static_cast<std::size_t>(order) + static_cast<std::size_t>(y)] =
                static_cast<std::uint16_t>(((e + f) % 2) * n + k);
        }
    return Build("D|@" + std::to_string(n) + "|", "D" + std::to_string(n), names, products);
}

GroupPtr MakeDicyclicGroup(int n) {
    if (n > kMaxDicyclicN) throw InvalidArgument(TooLargeForTable("Dic" + std::to_string(n), 4LL * n));
    if (n < 2)
        throw InvalidArgument("Dic" + std::to_string(n) + ": n must be in range 2-" + std::to_string(kMaxDicyclicN));
    // Element e * 2n + k stands for a^k x^e, with x a = a^-1 x and x^2 = a^n.
    const int m = 2 * n, order = 4 * n;
    std::vector<std::string> names;
    for (int e = 0; e < 2; ++e)
        for (int k = 0; k < m; ++k) names.push_back(Wordish(PowerName("a", k) + (e ? "x" : "")));
    std::vector<std::uint16_t> products(static_cast<std::size_t>(order) * static_cast<std::size_t>(order));
    for (int u = 0; u < order; ++u)
        for (int v = 0; v < order; ++v) {
            const int e = u / m, i = u % m, f = v / m, j = v % m;
            int k = e ? i - j : i + j;
            if (e && f) k += n;
            products[static_cast<std::size_t>(u) * static_cast<std::size_t>(order) + static_cast<std::size_t>(v)] =
                static_cast<std::uint16_t>(((e + f) % 2) * m + ((k % m) + m) % m);
        }
    return Build("Dic|@" + std::to_string(n) + "|", "Dic" + std::to_string(n), names, products);
}

GroupPtr MakeQuaternionGroup() {
    // Units +-1, +-i, +-j, +-k as (sign, unit) with unit 0..3 = 1, i, j, k.
    const std::vector<std::string> names{"1", "-1", "i", "-i", "j", "-j", "k", "-k"};
    // unit products: kUnit[a][b] and kSign[a][b] (ij = k, jk = i, ki = j, ii = -1).
    constexpr int kUnit[4][4] = {{0, 1, 2, 3}, {1, 0, 3, 2}, {2, 3, 0, 1}, {3, 2, 1, 0}};
    constexpr int kSign[4][4] = {{1, 1, 1, 1}, {1, -1, 1, -1}, {1, -1, -1, 1}, {1, 1, -1, -1}};
    std::vector<std::uint16_t> products(64);
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y) {
            const int ux = x / 2, uy = y / 2;
            const int sign = (x % 2 ? -1 : 1) * (y % 2 ? -1 : 1) * kSign[ux][uy];
            products[static_cast<std::size_t>(x * 8 + y)] =
                static_cast<std::uint16_t>(kUnit[ux][uy] * 2 + (sign < 0 ? 1 : 0));
        }
    return Build("Q|@8|", "Q8", names, products);
}

const char* MatrixGroupName(MatrixGroupKind kind) {
    switch (kind) {
        case MatrixGroupKind::GL:
            return "GL";
        case MatrixGroupKind::SL:
            return "SL";
        case MatrixGroupKind::PSL:
            return "PSL";
        case MatrixGroupKind::PGL:
            return "PGL";
    }
    return "";
}

long MatrixGroupOrder(MatrixGroupKind kind, int p) {
    if (p < 2 || p > 1000 || !MathFunctions::IsPrime(p) || p < 2) return 0;
    const long q = p;
    const long sl = q * (q * q - 1);
    switch (kind) {
        case MatrixGroupKind::GL:
            return sl * (q - 1);
        case MatrixGroupKind::SL:
        case MatrixGroupKind::PGL:
            return sl;
        case MatrixGroupKind::PSL:
            return p == 2 ? sl : sl / 2;
    }
    return 0;
}

GroupPtr MakeMatrixGroup(MatrixGroupKind kind, int p) {
    const std::string description = std::string(MatrixGroupName(kind)) + "(2," + std::to_string(p) + ")";
    const long expected = MatrixGroupOrder(kind, p);
    if (expected > kMaxGroupOrder) throw InvalidArgument(TooLargeForTable(description, expected));
    if (expected == 0) {
        std::string primes;
        for (int q = 2; MatrixGroupOrder(kind, q) <= kMaxGroupOrder; ++q)
            if (MathFunctions::IsPrime(q)) primes += (primes.empty() ? "" : ", ") + std::to_string(q);
        throw InvalidArgument(description + ": p must be a prime whose group has at most " +
                              std::to_string(kMaxGroupOrder) + " elements (p = " + primes + ")");
    }
    using Matrix = std::array<int, 4>;  // a b / c d
    auto times = [p](const Matrix& x, const Matrix& y) {
        return Matrix{(x[0] * y[0] + x[1] * y[2]) % p, (x[0] * y[1] + x[1] * y[3]) % p, (x[2] * y[0] + x[3] * y[2]) % p,
                      (x[2] * y[1] + x[3] * y[3]) % p};
    };
    auto code = [p](const Matrix& x) { return ((x[0] * p + x[1]) * p + x[2]) * p + x[3]; };
    // The scalars a class is taken modulo.
    std::vector<int> scalars{1};
    if (kind == MatrixGroupKind::PSL && p > 2) scalars.push_back(p - 1);
    if (kind == MatrixGroupKind::PGL)
        for (int s = 2; s < p; ++s) scalars.push_back(s);
    // A multiple s x is least when its first nonzero entry is: 1 when every
    // unit is a scalar (PGL), the smaller of v and p - v for the scalars +-1.
    std::vector<int> inverse(static_cast<std::size_t>(p), 0);
    for (int a = 1; a < p; ++a)
        for (int b = 1; b < p; ++b)
            if (a * b % p == 1) inverse[static_cast<std::size_t>(a)] = b;
    auto representative = [&](const Matrix& x) {
        if (scalars.size() == 1) return x;
        const int lead = x[0] != 0 ? x[0] : x[1] != 0 ? x[1] : x[2] != 0 ? x[2] : x[3];
        int s = 1;
        if (kind == MatrixGroupKind::PGL)
            s = inverse[static_cast<std::size_t>(lead)];
        else if (p - lead < lead)
            s = p - 1;
        return Matrix{x[0] * s % p, x[1] * s % p, x[2] * s % p, x[3] * s % p};
    };
    const bool special = kind == MatrixGroupKind::SL || kind == MatrixGroupKind::PSL;
    const Matrix identity{1, 0, 0, 1};
    std::vector<Matrix> elements{identity};
    for (int a = 0; a < p; ++a)
        for (int b = 0; b < p; ++b)
            for (int c = 0; c < p; ++c)
                for (int d = 0; d < p; ++d) {
                    const Matrix x{a, b, c, d};
                    const int det = ((a * d - b * c) % p + p) % p;
                    if (det == 0 || (special && det != 1) || x == identity || representative(x) != x) continue;
                    elements.push_back(x);
                }
    const int order = static_cast<int>(elements.size());
    std::vector<int> indexOf(static_cast<std::size_t>(p * p * p * p), -1);
    std::vector<std::string> names;
    for (int i = 0; i < order; ++i) {
        const Matrix& x = elements[static_cast<std::size_t>(i)];
        indexOf[static_cast<std::size_t>(code(x))] = i;
        const char* gap = p > 10 ? " " : "";
        names.push_back("[" + std::to_string(x[0]) + gap + std::to_string(x[1]) + ";" + std::to_string(x[2]) + gap +
                        std::to_string(x[3]) + "]");
    }
    std::vector<std::uint16_t> products(static_cast<std::size_t>(order) * static_cast<std::size_t>(order));
    for (int i = 0; i < order; ++i)
        for (int j = 0; j < order; ++j)
            products[static_cast<std::size_t>(i) * static_cast<std::size_t>(order) + static_cast<std::size_t>(j)] =
                static_cast<std::uint16_t>(indexOf[static_cast<std::size_t>(code(representative(
                    times(elements[static_cast<std::size_t>(i)], elements[static_cast<std::size_t>(j)]))))]);
    return Build(std::string(MatrixGroupName(kind)) + "|@2|(" + std::to_string(p) + ")", description, names, products);
}

}  // namespace quorix
