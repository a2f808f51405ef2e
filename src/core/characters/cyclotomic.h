#pragma once
// Exact values of characters: sums of roots of unity with non-negative
// integer multiplicities, as the eigenvalues of a representing matrix give
// them, with a canonical form in Q(ζ_n) for comparisons and a readable text.

#include <cstdint>
#include <string>
#include <vector>

namespace quorix {

// The coefficients of the n-th cyclotomic polynomial Φ_n, lowest first.
std::vector<std::int64_t> CyclotomicPolynomial(int n);

// v (coefficients over 1, ζ_n, ζ_n^2, ...) reduced modulo Φ_n: the unique
// form of degree below φ(n). `phi` is the polynomial of CyclotomicPolynomial(n).
std::vector<std::int64_t> ReduceCyclotomic(std::vector<std::int64_t> v, const std::vector<std::int64_t>& phi);
// The same on v's own storage: the first φ(n) entries hold the result, the
// rest are zero.
void ReduceCyclotomicInPlace(std::vector<std::int64_t>& v, const std::vector<std::int64_t>& phi);

// Σ counts[r] ζ_n^r. Built values are normalised: full sets of conjugate
// q-th roots (whose sum is 0) are taken out and n is made as small as the
// remaining exponents allow, so equal values built the same way compare
// equal member by member; Canonical() decides equality in general.
class Cyclotomic {
public:
    Cyclotomic() = default;
    // counts.size() == n >= 1, every count >= 0.
    Cyclotomic(int n, std::vector<int> counts);
    static Cyclotomic Integer(int value);  // value >= 0

    int Conductor() const { return n_; }
    const std::vector<int>& Counts() const { return counts_; }

    // Coefficients over 1, ζ_e, ..., ζ_e^(φ(e)-1), for e a multiple of the
    // conductor; `phi` is CyclotomicPolynomial(e).
    std::vector<std::int64_t> Canonical(int e, const std::vector<std::int64_t>& phi) const;
    bool IsRational() const;
    // The integer value of a rational one.
    std::int64_t IntegerValue() const;

    double Real() const;
    double Imag() const;

    // "3", "-1", "i", "(-1+√5)/2", "(-1+i√3)/2", "ζ_7+ζ_7^2+ζ_7^4": an
    // integer, a quadratic irrationality (a+b√d)/c, or a sum of powers of
    // ζ_n = e^(2πi/n).
    std::string Text() const;

    bool operator==(const Cyclotomic& o) const = default;

private:
    int n_ = 1;
    std::vector<int> counts_{0};
};

}  // namespace quorix
