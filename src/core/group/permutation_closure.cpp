#include "core/group/permutation_closure.h"

#include <array>
#include <cstdint>
#include <unordered_set>

#include "core/group/errors.h"
#include "core/group/math_functions.h"

namespace quorix {

namespace {

using Points = std::array<std::uint8_t, 16>;  // 0-based images of the points

Points PointsOf(const std::string& s) {
    Points p{};
    for (std::size_t i = 0; i < s.size(); ++i)
        p[i] = static_cast<std::uint8_t>(MathFunctions::PermutationDigitValue(s[i]) - 1);
    return p;
}

// p first, then q, packed 4 bits a point (degree at most 15).
std::uint64_t PackedProduct(const Points& p, const Points& q, std::size_t degree) {
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < degree; ++i) key = (key << 4) | static_cast<std::uint64_t>(q[p[i]] + 1);
    return key;
}

std::uint64_t Packed(const Points& p, std::size_t degree) {
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < degree; ++i) key = (key << 4) | static_cast<std::uint64_t>(p[i] + 1);
    return key;
}

}  // namespace

ClosureResult ClosePermutations(std::vector<std::string> elements, bool autoGenerate, int maximum) {
    ClosureResult r;
    r.generated.assign(elements.size(), false);
    const std::size_t degree = elements.empty() ? 0 : elements[0].size();
    for (const std::string& e : elements)
        if (e.size() != degree)
            throw InvalidArgument("the permutations '" + elements[0] + "' and '" + e + "' are not of one degree");
    std::vector<Points> points;
    std::unordered_set<std::uint64_t> present;
    present.reserve(2 * static_cast<std::size_t>(std::max<int>(maximum, static_cast<int>(elements.size()))));
    for (const std::string& e : elements) {
        points.push_back(PointsOf(e));
        present.insert(Packed(points.back(), degree));
    }
    // The scan runs over the pairs (i, j) row by row and starts over after
    // every new element. A product once listed stays listed, so each row
    // keeps how far it is known to be listed: done[i] is the first column j
    // whose product elements[i] * elements[j] has not been found listed.
    std::vector<std::size_t> done(elements.size(), 1);
    bool grew = true;
    while (grew) {
        grew = false;
        for (std::size_t i = 1; i < elements.size() && !grew; ++i)
            while (done[i] < elements.size()) {
                const std::size_t j = done[i];
                const std::uint64_t key = PackedProduct(points[i], points[j], degree);
                if (present.count(key) != 0) {
                    ++done[i];
                    continue;
                }
                r.left = static_cast<int>(i) + 1;
                r.right = static_cast<int>(j) + 1;
                r.product = MathFunctions::ComposePermutations(elements[i], elements[j]);
                if (!autoGenerate) {
                    r.status = ClosureResult::Status::Missing;
                    r.elements = std::move(elements);
                    return r;
                }
                if (static_cast<int>(elements.size()) >= maximum) {
                    r.status = ClosureResult::Status::MaximumReached;
                    r.elements = std::move(elements);
                    return r;
                }
                ++done[i];
                present.insert(key);
                points.push_back(PointsOf(r.product));
                elements.push_back(r.product);
                done.push_back(1);
                r.generated.push_back(true);
                grew = true;
                break;
            }
    }
    r.left = r.right = 0;
    r.product.clear();
    r.elements = std::move(elements);
    return r;
}

}  // namespace quorix
