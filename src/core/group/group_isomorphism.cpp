// The isomorphism test between two groups of the same order up to 20.
//
// The reported isomorphism is the first one of an odometer enumeration over
// image lists (slot k = image of reductive position k), which visits the
// injective lists in lexicographic order and cuts a list as soon as a product
// among its first positions disagrees. Every isomorphism fixes the identity,
// so the first one found is the lexicographically smallest isomorphism.
// The search below finds the same one by a depth-first search in the same
// order with sound cuts: images must keep the element invariants, products of
// earlier positions force their images, and products are checked as soon as
// both factors and the product have images.

#include <algorithm>

#include "core/group/group.h"
#include <cassert>

namespace quorix {

void Group::PrepareSignatures() const {
    signaturesBuilt_([this] {
        const int n = order_;
        signature_.assign(static_cast<std::size_t>(n) + 1, 0);
        std::vector<int> centralizer(static_cast<std::size_t>(n) + 1, 0), roots(static_cast<std::size_t>(n) + 1, 0);
        for (int x = 1; x <= n; ++x) {
            ++roots[static_cast<std::size_t>(mul(x, x))];
            for (int y = 1; y <= n; ++y)
                if (mul(x, y) == mul(y, x)) ++centralizer[static_cast<std::size_t>(x)];
        }
        for (int x = 1; x <= n; ++x)
            signature_[static_cast<std::size_t>(x)] =
                static_cast<std::uint32_t>(elementOrder(x)) |
                static_cast<std::uint32_t>(centralizer[static_cast<std::size_t>(x)]) << 8 |
                static_cast<std::uint32_t>(roots[static_cast<std::size_t>(x)]) << 16 |
                static_cast<std::uint32_t>(elementOrder(mul(x, x))) << 24;
        sortedSignature_.assign(signature_.begin() + 1, signature_.end());
        std::sort(sortedSignature_.begin(), sortedSignature_.end());
    });
}

void Group::PrepareDefinitions() const {
    definitionsBuilt_([this] {
        const int n = order_;
        definition_.assign(static_cast<std::size_t>(n) + 1, {0, 0});
        for (int d = 2; d <= n; ++d)
            for (int i = 2; i < d && definition_[static_cast<std::size_t>(d)].first == 0; ++i)
                for (int j = 2; j < d; ++j)
                    if (mul(i, j) == d) {
                        definition_[static_cast<std::size_t>(d)] = {i, j};
                        break;
                    }
    });
}

std::optional<Group::PositionMapping> Group::FindIsomorphism(const Group& other) const {
    const int n = order_;
    PrepareSignatures();
    other.PrepareSignatures();
    if (sortedSignature_ != other.sortedSignature_) return std::nullopt;
    PrepareDefinitions();

    std::array<int, kMaxTableOrder + 2> f{};      // image of each position, 0 = none yet
    std::array<bool, kMaxTableOrder + 2> used{};  // images taken
    f[1] = 1;
    used[1] = true;

    // Products among positions 1..d that involve d must be respected.
    auto consistent = [&](int d) {
        const int fd = f[static_cast<std::size_t>(d)];
        for (int i = 2; i <= d; ++i) {
            const int fi = f[static_cast<std::size_t>(i)];
            int a = mul(i, d);
            if (a <= d && f[static_cast<std::size_t>(a)] != other.mul(fi, fd)) return false;
            a = mul(d, i);
            if (a <= d && f[static_cast<std::size_t>(a)] != other.mul(fd, fi)) return false;
        }
        return true;
    };

    // Iterative depth-first search; next[d] is the next candidate to try at d.
    std::array<int, kMaxTableOrder + 2> next{};
    int d = 2;
    if (n >= 2) next[2] = 2;
    while (d >= 2 && d <= n) {
        auto& fd = f[static_cast<std::size_t>(d)];
        if (fd != 0) {
            used[static_cast<std::size_t>(fd)] = false;
            fd = 0;
        }
        const auto [di, dj] = definition_[static_cast<std::size_t>(d)];
        int found = 0;
        if (di != 0) {
            // The image is forced by an earlier product; try it once.
            const int forced = other.mul(f[static_cast<std::size_t>(di)], f[static_cast<std::size_t>(dj)]);
            if (next[static_cast<std::size_t>(d)] <= forced) {
                next[static_cast<std::size_t>(d)] = n + 1;
                if (!used[static_cast<std::size_t>(forced)] &&
                    other.signature_[static_cast<std::size_t>(forced)] == signature_[static_cast<std::size_t>(d)]) {
                    fd = forced;
                    if (consistent(d))
                        found = forced;
                    else
                        fd = 0;
                }
            }
        } else {
            for (int v = next[static_cast<std::size_t>(d)]; v <= n; ++v) {
                if (used[static_cast<std::size_t>(v)] ||
                    other.signature_[static_cast<std::size_t>(v)] != signature_[static_cast<std::size_t>(d)])
                    continue;
                fd = v;
                if (consistent(d)) {
                    found = v;
                    next[static_cast<std::size_t>(d)] = v + 1;
                    break;
                }
                fd = 0;
            }
            if (!found) next[static_cast<std::size_t>(d)] = n + 1;
        }
        if (found) {
            used[static_cast<std::size_t>(found)] = true;
            ++d;
            if (d <= n) next[static_cast<std::size_t>(d)] = 2;
        } else {
            --d;
        }
    }
    if (d < 2 && n >= 2) return std::nullopt;

    PositionMapping mapping{};
    for (int k = 1; k <= n; ++k) mapping[static_cast<std::size_t>(k)] = f[static_cast<std::size_t>(k)];
    return mapping;
}

std::optional<Group::PositionMapping> Group::Isomorphism(const Group& other) const {
    RequireGenerated();
    if (!other.generated_) throw InvalidArgument("group " + other.id_ + " is not generated");
    if (other.order_ != order_) return std::nullopt;
    if (order_ > kMaxTableOrder) throw InvalidArgument("isomorphism test above order 20");
    return FindIsomorphism(other);
}

bool Group::IsIsomorphic(const Group& other) const { return Isomorphism(other).has_value(); }

std::vector<int> Group::IsomorphismSourceMapping(const Group& other) const {
    RequireGenerated();
    if (order_ > kMaxTableOrder) throw InvalidArgument("isomorphism mapping above order 20");
    if (!other.generated_ || other.order_ != order_) return {};
    const std::optional<PositionMapping> mapping = FindIsomorphism(other);
    if (!mapping) return {};
    std::vector<int> images(static_cast<std::size_t>(order_) + 1, 0);
    for (int t = 1; t <= order_; ++t)
        images[static_cast<std::size_t>(other.sourceOf((*mapping)[static_cast<std::size_t>(t)]))] = sourceOf(t);
    return images;
}

int Group::IsomorphismMapping(const Group& other, int j) const {
    RequireGenerated();
    if (order_ > kMaxTableOrder) throw InvalidArgument("isomorphism mapping above order 20");
    if (!other.generated_ || other.order_ != order_) return 0;
    if (j < 1 || j > other.order_) throw InvalidArgument("index outside the other group");
    const std::vector<int> images = IsomorphismSourceMapping(other);
    return images.empty() ? 0 : images[static_cast<std::size_t>(j)];
}

}  // namespace quorix
