#include "core/counting/colouring_list.h"

#include <string>

#include "core/counting/burnside.h"
#include "core/group/errors.h"

namespace quorix::counting {

namespace {

// The colourings are walked with one bit each.
constexpr std::size_t kMaxWalkedColourings = std::size_t{1} << 28;

}  // namespace

ColouringList ListColourings(const EnumeratedGroup& group, int colours, const std::vector<int>& numbers,
                             Progress& progress) {
    if (!numbers.empty()) colours = static_cast<int>(numbers.size());
    const BurnsideTable table =
        numbers.empty() ? CountColourings(group, colours) : CountColouringsWithNumbers(group, numbers);
    if (table.count > static_cast<unsigned long>(kMaxListedOrbits))
        throw InvalidArgument("there are " + table.count.get_str() + " different colourings; they are listed up to " +
                              std::to_string(kMaxListedOrbits));
    const int n = group.degree();
    const auto k = static_cast<std::size_t>(colours);
    std::size_t total = 1;
    for (int i = 0; i < n; ++i) {
        if (total > kMaxWalkedColourings / k)
            throw InvalidArgument(std::to_string(colours) + " colours of " + std::to_string(n) +
                                  " points are too many colourings to walk through");
        total *= k;
    }
    // weight[p] = k^(n-1-p): the place of point p's colour.
    std::vector<std::size_t> weight(static_cast<std::size_t>(n), 1);
    for (int p = n - 2; p >= 0; --p) weight[static_cast<std::size_t>(p)] = weight[static_cast<std::size_t>(p + 1)] * k;

    ColouringList list;
    std::vector<bool> seen(total, false);
    std::vector<int> digits(static_cast<std::size_t>(n), 0);
    std::vector<int> used(k, 0);
    if (numbers.empty() || n == 0) used.clear();
    for (std::size_t x = 0; x < total; ++x) {
        if (x > 0) {  // the next colouring's digits
            for (int p = n - 1; p >= 0; --p) {
                if (++digits[static_cast<std::size_t>(p)] < colours) break;
                digits[static_cast<std::size_t>(p)] = 0;
            }
        }
        if (seen[x]) continue;
        if (!numbers.empty()) {
            std::fill(used.begin(), used.end(), 0);
            for (int c : digits) ++used[static_cast<std::size_t>(c)];
            if (used != numbers) continue;
        }
        if (list.colourings.size() % 64 == 63 && progress.StopRequested()) {
            list.halted = true;
            break;
        }
        ListedColouring listed;
        listed.colours = digits;
        for (const Permutation& g : group.elements()) {
            std::size_t image = 0;
            for (int p = 0; p < n; ++p)
                image += static_cast<std::size_t>(digits[static_cast<std::size_t>(p)]) *
                         weight[static_cast<std::size_t>(g(p))];
            if (!seen[image]) {
                seen[image] = true;
                ++listed.orbitSize;
            }
        }
        listed.stabilizerOrder = group.order() / listed.orbitSize;
        list.colourings.push_back(std::move(listed));
    }
    return list;
}

}  // namespace quorix::counting
