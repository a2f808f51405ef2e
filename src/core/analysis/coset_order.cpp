#include "core/analysis/coset_order.h"

#include <numeric>
#include <string>

namespace quorix {

namespace {

void CheckSubgroup(const Group& g, const ElementSet& h) {
    const int n = g.order();
    for (std::size_t k = static_cast<std::size_t>(n) + 1; k < h.size(); ++k)
        if (h.test(k)) throw InvalidArgument("element position " + std::to_string(k) + " is not in the group");
    if (h.test(0)) throw InvalidArgument("element position 0 does not exist");
    if (!h.test(1)) throw InvalidArgument("a subgroup contains the identity");
    for (int a = 1; a <= n; ++a) {
        if (!h.test(static_cast<std::size_t>(a))) continue;
        for (int b = 1; b <= n; ++b)
            if (h.test(static_cast<std::size_t>(b)) && !h.test(static_cast<std::size_t>(g.mul(a, b))))
                throw InvalidArgument("the elements are not closed under the product, so they are no subgroup");
    }
}

// Blocks of `order` by cosets: left (x h) or right (h x).
std::vector<int> CosetBlocks(const Group& g, const std::vector<int>& base, const std::vector<int>& members, bool left) {
    std::vector<int> out;
    out.reserve(base.size());
    std::vector<char> listed(static_cast<std::size_t>(g.order()) + 1, 0);
    for (int x : base) {
        if (listed[static_cast<std::size_t>(x)]) continue;
        for (int m : members) {
            const int y = left ? g.mul(x, m) : g.mul(m, x);
            listed[static_cast<std::size_t>(y)] = 1;
            out.push_back(y);
        }
    }
    return out;
}

}  // namespace

CosetOrder OrderByCosets(const Group& g, const ElementSet& h, const std::vector<int>& baseOrder) {
    CheckSubgroup(g, h);
    const int n = g.order();
    std::vector<int> base = baseOrder;
    if (base.empty()) {
        base.resize(static_cast<std::size_t>(n));
        std::iota(base.begin(), base.end(), 1);
    }
    if (static_cast<int>(base.size()) != n) throw InvalidArgument("the table order does not list every element once");
    std::vector<char> seen(static_cast<std::size_t>(n) + 1, 0);
    for (int x : base) {
        if (x < 1 || x > n || seen[static_cast<std::size_t>(x)])
            throw InvalidArgument("the table order does not list every element once");
        seen[static_cast<std::size_t>(x)] = 1;
    }
    // H's elements in the table's order, the identity first so that every
    // coset starts with its representative.
    std::vector<int> members{1};
    for (int x : base)
        if (x != 1 && h.test(static_cast<std::size_t>(x))) members.push_back(x);

    CosetOrder out;
    out.blockSize = static_cast<int>(members.size());
    out.rows = CosetBlocks(g, base, members, true);
    out.columns = CosetBlocks(g, base, members, false);

    const int blocks = out.BlockCount();
    const auto size = static_cast<std::size_t>(out.blockSize);
    std::vector<int> rowBlock(static_cast<std::size_t>(n) + 1, 0);
    for (std::size_t r = 0; r < out.rows.size(); ++r)
        rowBlock[static_cast<std::size_t>(out.rows[r])] = static_cast<int>(r / size);
    std::vector<std::vector<int>> table(static_cast<std::size_t>(blocks),
                                        std::vector<int>(static_cast<std::size_t>(blocks), 0));
    bool forms = true;
    for (int i = 0; i < blocks && forms; ++i)
        for (int j = 0; j < blocks && forms; ++j) {
            const int target = rowBlock[static_cast<std::size_t>(
                g.mul(out.rows[static_cast<std::size_t>(i) * size], out.columns[static_cast<std::size_t>(j) * size]))];
            for (std::size_t a = 0; a < size && forms; ++a)
                for (std::size_t b = 0; b < size && forms; ++b)
                    forms = rowBlock[static_cast<std::size_t>(
                                g.mul(out.rows[static_cast<std::size_t>(i) * size + a],
                                      out.columns[static_cast<std::size_t>(j) * size + b]))] == target;
            table[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = target;
        }
    out.blocksFormTable = forms;
    if (forms) out.blockTable = std::move(table);
    return out;
}

}  // namespace quorix
