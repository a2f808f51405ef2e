#include "core/counting/permutation.h"

#include "core/group/errors.h"

namespace quorix::counting {

std::size_t PermutationHash::operator()(const Permutation& p) const {
    std::size_t h = 1469598103934665603ULL;
    for (int x : p.images) {
        h ^= static_cast<std::size_t>(x) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    }
    return h;
}

Permutation IdentityPermutation(int degree) {
    Permutation p;
    p.images.resize(static_cast<std::size_t>(degree));
    for (int i = 0; i < degree; ++i) p.images[static_cast<std::size_t>(i)] = i;
    return p;
}

Permutation Compose(const Permutation& first, const Permutation& second) {
    Permutation p;
    p.images.resize(second.images.size());
    for (std::size_t i = 0; i < second.images.size(); ++i) p.images[i] = first(second.images[i]);
    return p;
}

Permutation Inverse(const Permutation& p) {
    Permutation q;
    q.images.resize(p.images.size());
    for (std::size_t i = 0; i < p.images.size(); ++i)
        q.images[static_cast<std::size_t>(p.images[i])] = static_cast<int>(i);
    return q;
}

bool IsIdentity(const Permutation& p) {
    for (std::size_t i = 0; i < p.images.size(); ++i)
        if (p.images[i] != static_cast<int>(i)) return false;
    return true;
}

Permutation PermutationFromImages(std::vector<int> images, const std::string& what) {
    std::vector<bool> seen(images.size(), false);
    for (int x : images) {
        if (x < 0 || x >= static_cast<int>(images.size()) || seen[static_cast<std::size_t>(x)])
            throw InvalidArgument("'" + what + "' is not a permutation of the points 1-" +
                                  std::to_string(images.size()));
        seen[static_cast<std::size_t>(x)] = true;
    }
    return Permutation{std::move(images)};
}

CycleType CycleTypeOf(const Permutation& p) {
    const int n = p.degree();
    CycleType counts(static_cast<std::size_t>(n), 0);
    std::vector<bool> done(static_cast<std::size_t>(n), false);
    for (int i = 0; i < n; ++i) {
        if (done[static_cast<std::size_t>(i)]) continue;
        int length = 0;
        for (int j = i; !done[static_cast<std::size_t>(j)]; j = p(j)) {
            done[static_cast<std::size_t>(j)] = true;
            ++length;
        }
        ++counts[static_cast<std::size_t>(length - 1)];
    }
    return counts;
}

int CycleCount(const CycleType& type) {
    int cycles = 0;
    for (int c : type) cycles += c;
    return cycles;
}

std::string CycleTypeText(const CycleType& type) {
    std::string text;
    for (std::size_t l = 0; l < type.size(); ++l) {
        if (type[l] == 0) continue;
        if (!text.empty()) text += ' ';
        text += std::to_string(l + 1) + "^" + std::to_string(type[l]);
    }
    return text.empty() ? "()" : text;
}

std::string CycleNotation(const Permutation& p) {
    const int n = p.degree();
    std::vector<bool> done(static_cast<std::size_t>(n), false);
    std::string text;
    for (int i = 0; i < n; ++i) {
        if (done[static_cast<std::size_t>(i)] || p(i) == i) continue;
        text += '(';
        for (int j = i; !done[static_cast<std::size_t>(j)]; j = p(j)) {
            done[static_cast<std::size_t>(j)] = true;
            if (j != i) text += ' ';
            text += std::to_string(j + 1);
        }
        text += ')';
    }
    return text.empty() ? "()" : text;
}

}  // namespace quorix::counting
