#include "core/perm/permutation.h"

#include <algorithm>
#include <climits>
#include <numeric>

#include "core/group/errors.h"

namespace quorix::perm {

Perm Identity(int degree) {
    Perm p(static_cast<std::size_t>(degree));
    std::iota(p.begin(), p.end(), Point{0});
    return p;
}

bool IsIdentity(const Perm& p) {
    for (std::size_t i = 0; i < p.size(); ++i)
        if (p[i] != i) return false;
    return true;
}

Perm Multiply(const Perm& a, const Perm& b) {
    Perm r(a.size());
    for (std::size_t i = 0; i < a.size(); ++i) r[i] = b[a[i]];
    return r;
}

Perm Inverse(const Perm& p) {
    Perm r(p.size());
    for (std::size_t i = 0; i < p.size(); ++i) r[p[i]] = static_cast<Point>(i);
    return r;
}

Perm Power(const Perm& p, long long e) {
    Perm base = e < 0 ? Inverse(p) : p;
    unsigned long long n = e < 0 ? 0ULL - static_cast<unsigned long long>(e) : static_cast<unsigned long long>(e);
    Perm r = Identity(static_cast<int>(p.size()));
    while (n) {
        if (n & 1) r = Multiply(r, base);
        base = Multiply(base, base);
        n >>= 1;
    }
    return r;
}

Perm Extend(const Perm& p, int degree) {
    Perm r = p;
    for (std::size_t i = p.size(); i < static_cast<std::size_t>(degree); ++i) r.push_back(static_cast<Point>(i));
    return r;
}

std::vector<int> CycleLengths(const Perm& p) {
    std::vector<int> lengths;
    std::vector<bool> seen(p.size());
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (seen[i] || p[i] == i) continue;
        int len = 0;
        for (std::size_t j = i; !seen[j]; j = p[j]) seen[j] = true, ++len;
        lengths.push_back(len);
    }
    return lengths;
}

bool IsEven(const Perm& p) {
    int odd = 0;
    for (int len : CycleLengths(p)) odd += (len % 2 == 0);
    return odd % 2 == 0;
}

long long ElementOrder(const Perm& p) {
    long long order = 1;
    for (int len : CycleLengths(p)) {
        const long long g = std::gcd(order, static_cast<long long>(len));
        if (order / g > LLONG_MAX / len) return LLONG_MAX;
        order = order / g * len;
    }
    return order;
}

std::string CycleString(const Perm& p) {
    std::string s;
    std::vector<bool> seen(p.size());
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (seen[i] || p[i] == i) continue;
        s += '(';
        for (std::size_t j = i; !seen[j]; j = p[j]) {
            if (j != i) s += ',';
            seen[j] = true;
            s += std::to_string(j + 1);
        }
        s += ')';
    }
    return s.empty() ? "()" : s;
}

bool IsCycleNotation(std::string_view text) { return text.find('(') != std::string_view::npos; }

namespace {

[[noreturn]] void Bad(std::string_view text, const std::string& why) {
    throw InvalidArgument("'" + std::string(text) + "' " + why);
}

Perm ParseOneLine(std::string_view text) {
    static constexpr std::string_view kDigits = "123456789ABCDEF";
    Perm p;
    for (char c : text) {
        const std::size_t v = kDigits.find(c);
        if (v == std::string_view::npos) Bad(text, "is neither cycle notation nor one-line notation (digits 1-9, A-F)");
        p.push_back(static_cast<Point>(v));
    }
    std::vector<bool> seen(p.size());
    for (Point x : p) {
        if (x >= p.size() || seen[x]) Bad(text, "is not a permutation in one-line notation");
        seen[x] = true;
    }
    return p;
}

}  // namespace

Perm ParseCycles(std::string_view text, int minDegree) {
    std::vector<std::vector<int>> cycles;
    int degree = minDegree;
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    };
    skipBlanks();
    if (i == text.size()) Bad(text, "is no permutation");
    while (i < text.size()) {
        if (text[i] != '(') Bad(text, "must be cycles in parentheses, such as (1,2,3)(4,5)");
        ++i;
        std::vector<int> cycle;
        skipBlanks();
        if (i < text.size() && text[i] == ')') {
            ++i;
            skipBlanks();
            continue;
        }
        while (true) {
            skipBlanks();
            std::size_t start = i;
            long v = 0;
            while (i < text.size() && text[i] >= '0' && text[i] <= '9' && v <= kMaxDegree)
                v = v * 10 + (text[i++] - '0');
            if (i == start) Bad(text, "needs a point (a number from 1) in each place of a cycle");
            if (v < 1 || v > kMaxDegree) Bad(text, "names a point outside 1-" + std::to_string(kMaxDegree));
            cycle.push_back(static_cast<int>(v));
            degree = std::max(degree, static_cast<int>(v));
            skipBlanks();
            if (i < text.size() && text[i] == ',') {
                ++i;
                continue;
            }
            if (i < text.size() && text[i] == ')') {
                ++i;
                break;
            }
            Bad(text, "has a cycle that is not closed by ')'");
        }
        std::vector<int> sorted = cycle;
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
            Bad(text, "names a point twice in one cycle");
        cycles.push_back(std::move(cycle));
        skipBlanks();
    }
    // Cycles are applied left to right: (1,2)(2,3) is 1->3->... as a product.
    Perm result = Identity(degree);
    for (const auto& c : cycles) {
        Perm q = Identity(degree);
        for (std::size_t k = 0; k < c.size(); ++k)
            q[static_cast<std::size_t>(c[k] - 1)] = static_cast<Point>(c[(k + 1) % c.size()] - 1);
        result = Multiply(result, q);
    }
    return result;
}

std::vector<Perm> ParsePermutationList(std::string_view text) {
    std::vector<Perm> perms;
    int depth = 0;
    std::size_t start = 0;
    auto take = [&](std::size_t end) {
        std::string_view item = text.substr(start, end - start);
        while (!item.empty() && (item.front() == ' ' || item.front() == '\t')) item.remove_prefix(1);
        while (!item.empty() && (item.back() == ' ' || item.back() == '\t')) item.remove_suffix(1);
        if (item.empty()) Bad(text, "has an empty place between commas");
        perms.push_back(IsCycleNotation(item) ? ParseCycles(item) : ParseOneLine(item));
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(') ++depth;
        if (text[i] == ')') --depth;
        if (depth < 0) Bad(text, "closes a parenthesis it did not open");
        if (text[i] == ',' && depth == 0) {
            take(i);
            start = i + 1;
        }
    }
    if (depth != 0) Bad(text, "has a cycle that is not closed by ')'");
    take(text.size());
    std::size_t degree = 1;
    for (const Perm& p : perms) degree = std::max(degree, p.size());
    for (Perm& p : perms) p = Extend(p, static_cast<int>(degree));
    return perms;
}

}  // namespace quorix::perm
