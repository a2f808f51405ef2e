#include "core/group/math_functions.h"

#include <algorithm>
#include <numeric>

#include "core/group/errors.h"

namespace quorix::MathFunctions {

std::int64_t Factorial(int n) {
    std::int64_t f = 1;
    for (int i = 2; i <= n; ++i) f *= i;
    return f;
}

int EulerPhi(int n) {
    // The count of 1 <= k < n prime to n: 0 for n <= 1, else n times
    // (1 - 1/p) over its prime factors p, found by trial division.
    if (n <= 1) return 0;
    int phi = n;
    int rest = n;
    for (int p = 2; p <= rest / p; ++p) {
        if (rest % p != 0) continue;
        while (rest % p == 0) rest /= p;
        phi -= phi / p;
    }
    if (rest > 1) phi -= phi / rest;
    return phi;
}

bool IsPrime(int n) {
    if (n < 4) return true;
    for (int d = 2;; ++d) {
        if (n % d == 0 && d < n) return false;
        if ((d + 1) * (d + 1) > n) return true;
    }
}

int Gcd(int a, int b) { return std::gcd(a, b); }

int MaxProperDivisor(int n) {
    for (int d = 2; d <= n; ++d)
        if (n % d == 0) return n / d;
    throw ProgramError("MaxProperDivisor: no divisor of " + std::to_string(n));
}

std::vector<int> ProperDivisors(int n) {
    std::vector<int> out;
    for (int d = n - 1; d > 1; --d)
        if (n % d == 0) out.push_back(d);
    return out;
}

std::vector<PrimePower> PrimeFactorization(int n) {
    std::vector<PrimePower> out;
    for (int p = 2; n > 1;) {
        if (n % p == 0) {
            if (out.empty() || out.back().prime != p)
                out.push_back({p, 1});
            else
                ++out.back().exponent;
            n /= p;
        } else {
            ++p;
        }
    }
    return out;
}

bool RelativelyPrime(int a, int b) {
    if (a == 0) return b == 1;
    while (a != 0) {
        if (b == 0) return a == 1;
        if (a > b)
            a %= b;
        else
            b %= a;
    }
    return b == 1;
}

int PermutationSign(const std::string& p) {
    int sign = 1;
    for (std::size_t i = 0; i < p.size(); ++i)
        for (std::size_t j = i + 1; j < p.size(); ++j)
            if (p[i] > p[j]) sign = -sign;
    return sign;
}

int PermutationDigitValue(char c) {
    if (c >= '1' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 55;
    return -1;
}

char PermutationDigitChar(int v) { return v > 9 ? static_cast<char>(v + 55) : static_cast<char>('0' + v); }

std::string IdentityPermutation(int d) {
    return std::string(kPermutationDigits).substr(0, static_cast<std::size_t>(d));
}

bool IsPermutationString(const std::string& s) {
    const int d = static_cast<int>(s.size());
    if (d < 1 || d > 15) return false;
    unsigned seen = 0;
    for (char c : s) {
        int v = PermutationDigitValue(c);
        if (v < 1 || v > d || (seen & (1u << v))) return false;
        seen |= 1u << v;
    }
    return true;
}

std::string ComposePermutations(const std::string& p, const std::string& q) {
    std::string r(p.size(), '0');
    for (std::size_t i = 0; i < p.size(); ++i) {
        int pi = PermutationDigitValue(p[i]);
        if (pi < 1 || static_cast<std::size_t>(pi) > q.size())
            throw InvalidArgument("the permutations '" + p + "' and '" + q + "' are not of one degree");
        r[i] = q[static_cast<std::size_t>(pi - 1)];
    }
    return r;
}

std::string ComputeNextPermutation(const std::string& s) {
    // The digits 1-9, A-F sort as their values do.
    std::string next = s;
    if (!std::next_permutation(next.begin(), next.end()))
        throw ProgramError("ComputeNextPermutation: '" + s + "' is the last permutation");
    return next;
}

// Equal keys are equal values here, so any sort gives the exchange sort's result.
void SortStrings(std::vector<std::string>& list) { std::sort(list.begin(), list.end()); }

void SortIntegers(std::vector<int>& list) { std::sort(list.begin(), list.end()); }

}  // namespace quorix::MathFunctions
