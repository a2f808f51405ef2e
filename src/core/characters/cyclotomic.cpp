#include "core/characters/cyclotomic.h"

#include <cassert>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <numeric>

namespace quorix {

namespace {

int Moebius(int m) {
    int result = 1;
    for (int q = 2; q * q <= m; ++q) {
        if (m % q != 0) continue;
        m /= q;
        if (m % q == 0) return 0;
        result = -result;
    }
    return m > 1 ? -result : result;
}

// Splits |d| as f^2 * s with s square-free.
void SquareFree(std::int64_t d, std::int64_t& f, std::int64_t& s) {
    f = 1;
    s = d;
    for (std::int64_t q = 2; q * q <= s; ++q)
        while (s % (q * q) == 0) {
            s /= q * q;
            f *= q;
        }
}

// b·rad as a term: "√5", "-√5", "3√5".
std::string Term(std::int64_t b, const std::string& rad) {
    if (b == 1) return rad;
    if (b == -1) return "-" + rad;
    return std::to_string(b) + rad;
}

}  // namespace

std::vector<std::int64_t> CyclotomicPolynomial(int n) {
    assert(n >= 1);
    // Φ_n = Π_{d | n} (x^d - 1)^μ(n/d): first the factors, then the divisors.
    std::vector<std::int64_t> p{1};
    for (int d = 1; d <= n; ++d) {
        if (n % d != 0 || Moebius(n / d) != 1) continue;
        std::vector<std::int64_t> q(p.size() + static_cast<std::size_t>(d), 0);
        for (std::size_t i = 0; i < p.size(); ++i) {
            q[i + static_cast<std::size_t>(d)] += p[i];
            q[i] -= p[i];
        }
        p = std::move(q);
    }
    for (int d = 1; d <= n; ++d) {
        if (n % d != 0 || Moebius(n / d) != -1) continue;
        // Exact division by x^d - 1.
        const std::size_t ud = static_cast<std::size_t>(d);
        std::vector<std::int64_t> q(p.size() - ud, 0);
        for (std::size_t i = p.size(); i-- > ud;) {
            q[i - ud] = p[i];
            p[i - ud] += p[i];
            p[i] = 0;
        }
        p = std::move(q);
    }
    return p;
}

void ReduceCyclotomicInPlace(std::vector<std::int64_t>& v, const std::vector<std::int64_t>& phi) {
    const std::size_t deg = phi.size() - 1;
    // Φ_n has few nonzero coefficients: subtract only those.
    std::size_t terms[128];
    std::size_t count = 0;
    for (std::size_t t = 0; t < deg && count < 128; ++t)
        if (phi[t] != 0) terms[count++] = t;
    assert(count < 128);
    for (std::size_t i = v.size(); i-- > deg;) {
        const std::int64_t c = v[i];
        if (c == 0) continue;
        for (std::size_t u = 0; u < count; ++u) v[i - deg + terms[u]] -= c * phi[terms[u]];
        v[i] = 0;
    }
    if (v.size() < deg) v.resize(deg, 0);
}

std::vector<std::int64_t> ReduceCyclotomic(std::vector<std::int64_t> v, const std::vector<std::int64_t>& phi) {
    ReduceCyclotomicInPlace(v, phi);
    v.resize(phi.size() - 1, 0);
    return v;
}

Cyclotomic::Cyclotomic(int n, std::vector<int> counts) : n_(n), counts_(std::move(counts)) {
    assert(n_ >= 1 && static_cast<int>(counts_.size()) == n_);
    if (std::accumulate(counts_.begin(), counts_.end(), 0) == 1) {
        // One root ζ_n^r: of order n / gcd(n, r).
        int r = 0;
        while (counts_[static_cast<std::size_t>(r)] == 0) ++r;
        const int g = std::gcd(n_, r);
        if (g > 1) {
            n_ /= g;
            counts_.assign(static_cast<std::size_t>(n_), 0);
            counts_[static_cast<std::size_t>(r / g)] = 1;
        }
        return;
    }
    // Take out the full sets ζ^a, ζ^(a+n/q), ... of every prime q | n.
    for (bool changed = true; changed;) {
        changed = false;
        for (int q = 2; q <= n_; ++q) {
            if (n_ % q != 0) continue;
            bool prime = true;
            for (int t = 2; t * t <= q; ++t) prime = prime && q % t != 0;
            if (!prime) continue;
            const int step = n_ / q;
            for (int a = 0; a < step; ++a) {
                int least = counts_[static_cast<std::size_t>(a)];
                for (int t = 1; t < q; ++t) least = std::min(least, counts_[static_cast<std::size_t>(a + t * step)]);
                if (least == 0) continue;
                for (int t = 0; t < q; ++t) counts_[static_cast<std::size_t>(a + t * step)] -= least;
                changed = true;
            }
        }
    }
    int g = n_;
    for (int r = 1; r < n_; ++r)
        if (counts_[static_cast<std::size_t>(r)] != 0) g = std::gcd(g, r);
    if (g > 1) {
        std::vector<int> reduced(static_cast<std::size_t>(n_ / g), 0);
        for (int r = 0; r < n_; r += g) reduced[static_cast<std::size_t>(r / g)] = counts_[static_cast<std::size_t>(r)];
        n_ /= g;
        counts_ = std::move(reduced);
    }
}

Cyclotomic Cyclotomic::Integer(int value) {
    assert(value >= 0);
    return Cyclotomic(1, {value});
}

std::vector<std::int64_t> Cyclotomic::Canonical(int e, const std::vector<std::int64_t>& phi) const {
    assert(e % n_ == 0);
    std::vector<std::int64_t> v(static_cast<std::size_t>(e), 0);
    const int step = e / n_;
    for (int r = 0; r < n_; ++r) v[static_cast<std::size_t>(r * step)] += counts_[static_cast<std::size_t>(r)];
    return ReduceCyclotomic(std::move(v), phi);
}

bool Cyclotomic::IsRational() const {
    if (n_ <= 2) return true;
    if (std::accumulate(counts_.begin(), counts_.end(), 0) == 1) return false;  // one root of order n > 2
    const std::vector<std::int64_t> c = Canonical(n_, CyclotomicPolynomial(n_));
    for (std::size_t i = 1; i < c.size(); ++i)
        if (c[i] != 0) return false;
    return true;
}

std::int64_t Cyclotomic::IntegerValue() const {
    assert(IsRational());
    return Canonical(n_, CyclotomicPolynomial(n_))[0];
}

double Cyclotomic::Real() const {
    double s = 0;
    for (int r = 0; r < n_; ++r) s += counts_[static_cast<std::size_t>(r)] * std::cos(2 * std::numbers::pi * r / n_);
    return s;
}

double Cyclotomic::Imag() const {
    double s = 0;
    for (int r = 0; r < n_; ++r) s += counts_[static_cast<std::size_t>(r)] * std::sin(2 * std::numbers::pi * r / n_);
    return std::abs(s) < 1e-12 ? 0.0 : s;
}

std::string Cyclotomic::Text() const {
    // One root of order n: quadratic only for n = 3, 4, 6.
    if (n_ > 6 && std::accumulate(counts_.begin(), counts_.end(), 0) == 1) {
        int r = 1;
        while (counts_[static_cast<std::size_t>(r)] == 0) ++r;
        return "ζ_" + std::to_string(n_) + (r > 1 ? "^" + std::to_string(r) : "");
    }
    const std::vector<std::int64_t> phi = CyclotomicPolynomial(n_);
    const std::vector<std::int64_t> c = Canonical(n_, phi);
    std::size_t nonConstant = 0;
    for (std::size_t i = 1; i < c.size(); ++i)
        if (c[i] != 0 && nonConstant == 0) nonConstant = i;
    if (nonConstant == 0) return std::to_string(c.empty() ? 0 : c[0]);

    // A quadratic irrationality x satisfies x^2 = u·x + v with integers u, v.
    std::vector<std::int64_t> square(static_cast<std::size_t>(n_), 0);
    for (int a = 0; a < n_; ++a)
        for (int b = 0; b < n_; ++b)
            square[static_cast<std::size_t>((a + b) % n_)] +=
                static_cast<std::int64_t>(counts_[static_cast<std::size_t>(a)]) * counts_[static_cast<std::size_t>(b)];
    const std::vector<std::int64_t> s = ReduceCyclotomic(std::move(square), phi);
    bool quadratic = s[nonConstant] % c[nonConstant] == 0;
    const std::int64_t u = quadratic ? s[nonConstant] / c[nonConstant] : 0;
    for (std::size_t i = 1; quadratic && i < c.size(); ++i) quadratic = s[i] == u * c[i];
    if (quadratic) {
        const std::int64_t v = s[0] - u * c[0];
        const std::int64_t d = u * u + 4 * v;  // x = (u ± √d) / 2
        std::int64_t f = 1, free = 1;
        SquareFree(std::abs(d), f, free);
        const bool positive = d > 0 ? 2 * Real() - static_cast<double>(u) > 0 : Imag() > 0;
        const std::int64_t b = positive ? f : -f;
        std::string rad = d > 0 ? "√" + std::to_string(free) : (free == 1 ? "i" : "i√" + std::to_string(free));
        if (u % 2 == 0 && b % 2 == 0) {
            if (u == 0) return Term(b / 2, rad);
            return std::to_string(u / 2) + (b > 0 ? "+" : "-") + Term(std::abs(b / 2), rad);
        }
        if (u == 0) return Term(b, rad) + "/2";
        return "(" + std::to_string(u) + (b > 0 ? "+" : "-") + Term(std::abs(b), rad) + ")/2";
    }

    std::string text = counts_[0] != 0 ? std::to_string(counts_[0]) : "";
    for (int r = 1; r < n_; ++r) {
        const int m = counts_[static_cast<std::size_t>(r)];
        if (m == 0) continue;
        if (!text.empty()) text += "+";
        if (m > 1) text += std::to_string(m);
        text += "ζ_" + std::to_string(n_);
        if (r > 1) text += "^" + std::to_string(r);
    }
    return text;
}

}  // namespace quorix
