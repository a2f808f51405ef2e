#include "core/analysis/cycle_notation.h"

#include "core/group/math_functions.h"

namespace quorix {

namespace {

// Image of every point 1..d (slot 0 unused); a character that is not a
// point leaves the point fixed so that bad text never reads out of range.
std::vector<int> Images(const std::string& p) {
    const int d = static_cast<int>(p.size());
    std::vector<int> image(static_cast<std::size_t>(d) + 1, 0);
    for (int s = 1; s <= d; ++s) {
        int v = MathFunctions::PermutationDigitValue(p[static_cast<std::size_t>(s - 1)]);
        image[static_cast<std::size_t>(s)] = (v >= 1 && v <= d) ? v : s;
    }
    return image;
}

}  // namespace

std::string CycleNotation(const std::string& permutation) {
    const int d = static_cast<int>(permutation.size());
    const std::vector<int> image = Images(permutation);
    std::vector<bool> visited(static_cast<std::size_t>(d) + 1, false);
    std::string text;
    for (int s = 1; s <= d; ++s) {
        if (visited[static_cast<std::size_t>(s)]) continue;
        visited[static_cast<std::size_t>(s)] = true;
        if (!text.empty()) text += ' ';
        if (image[static_cast<std::size_t>(s)] == s) continue;
        text += '(';
        int t = s;
        do {
            visited[static_cast<std::size_t>(t)] = true;
            text += MathFunctions::PermutationDigitChar(t);
            t = image[static_cast<std::size_t>(t)];
        } while (t != s && !visited[static_cast<std::size_t>(t)]);
        text += ')';
    }
    return text.empty() ? "(1)" : text;
}

std::string CycleNotation(const Group& group, int sourceIndex) {
    return CycleNotation(group.SourceElement(sourceIndex));
}

std::vector<int> CycleType(const std::string& permutation) {
    const int d = static_cast<int>(permutation.size());
    const std::vector<int> image = Images(permutation);
    std::vector<bool> visited(static_cast<std::size_t>(d) + 1, false);
    std::vector<int> lengths;
    for (int s = 1; s <= d; ++s) {
        if (visited[static_cast<std::size_t>(s)]) continue;
        int length = 0;
        int t = s;
        while (!visited[static_cast<std::size_t>(t)]) {
            visited[static_cast<std::size_t>(t)] = true;
            ++length;
            t = image[static_cast<std::size_t>(t)];
        }
        lengths.push_back(length);
    }
    MathFunctions::SortIntegers(lengths);
    return lengths;
}

std::string CycleTypeText(const std::string& permutation) {
    std::string text;
    for (int length : CycleType(permutation)) {
        if (!text.empty()) text += " + ";
        text += std::to_string(length);
    }
    return text;
}

}  // namespace quorix
