// The layered layout of the lattice.
//
// Every node lies in the band of its layer (one band per subgroup order, all
// boxes kBoxHeight high), so the free strips between the bands hold nothing
// but lines. An edge that skips layers gets a bend in each layer between: a
// place of its own in that layer's left-to-right order, which it crosses
// vertically. The places of a layer keep their order and their distances
// (boxes kBoxGap apart, a bend kBendGap from anything beside it), so:
//  - inside a band an edge is a vertical line through its bend, clear of
//    every box of the band;
//  - between two bands an edge runs in the free strip and meets the bands
//    only at its two ends, which are its own boxes or its own bends.
// Hence no edge meets a box that is not one of its ends, and since a label
// is drawn inside its box, no edge crosses a label.
//
// The order in each layer comes from barycentre sweeps over the places
// (the boxes of one class of conjugates move as one block), keeping the
// order with the fewest crossings; the positions come from sweeps that move
// every place towards the mean of its neighbours in the layer above or below
// as far as the order and distances allow (a least-squares fit solved by
// pooling adjacent violators). Nothing depends on chance or on addresses.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <numeric>

#include "core/lattice/lattice.h"
#include "core/text/markup.h"

namespace quorix::lattice {

namespace {

constexpr long kBoxGap = 300;
constexpr long kBendGap = 120;
constexpr long kBoxPadding = 80;  // between a label and the sides of its box
constexpr int kOrderingRounds = 8;
constexpr int kPlacingRounds = 12;
// Bends pull harder than boxes, so that long edges straighten.
constexpr double kBendWeight = 2.0;

long EstimatedTextWidth(const std::string& text) {
    long characters = 0;
    for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return characters * kLabelCharWidth + 2 * kBoxPadding;
}

// The places of the drawing: the nodes first (place i is node i), then the bends.
struct Places {
    std::vector<int> layer;
    std::vector<long> half;  // half the width
    std::vector<std::vector<int>> up, down;
    std::vector<std::vector<int>> chains;  // per edge: its places from the larger subgroup down
    int nodeCount = 0;

    int Add(int layerIndex, long halfWidth) {
        layer.push_back(layerIndex);
        half.push_back(halfWidth);
        up.emplace_back();
        down.emplace_back();
        return static_cast<int>(layer.size()) - 1;
    }
    void Link(int upper, int lower) {
        down[static_cast<std::size_t>(upper)].push_back(lower);
        up[static_cast<std::size_t>(lower)].push_back(upper);
    }
    bool IsBend(int place) const { return place >= nodeCount; }
};

// A layer's order as blocks of places that move together.
using Blocks = std::vector<std::vector<int>>;

std::vector<int> Flatten(const Blocks& blocks) {
    std::vector<int> flat;
    for (const auto& b : blocks) flat.insert(flat.end(), b.begin(), b.end());
    return flat;
}

// Crossings between the edges of two neighbouring layers (inversions of the
// lower ends once the edges are sorted by their upper ends).
std::int64_t Crossings(const std::vector<int>& upper, int lowerSize, const std::vector<int>& position,
                       const Places& places) {
    std::vector<std::pair<int, int>> ends;
    for (int u : upper)
        for (int v : places.down[static_cast<std::size_t>(u)])
            ends.emplace_back(position[static_cast<std::size_t>(u)], position[static_cast<std::size_t>(v)]);
    std::sort(ends.begin(), ends.end());
    std::vector<int> tree(static_cast<std::size_t>(lowerSize) + 1, 0);
    std::int64_t crossings = 0, seen = 0;
    for (const auto& [u, v] : ends) {
        std::int64_t atMost = 0;  // earlier lower ends at or left of v
        for (int i = v + 1; i > 0; i -= i & -i) atMost += tree[static_cast<std::size_t>(i)];
        crossings += seen - atMost;
        for (int i = v + 1; i <= lowerSize; i += i & -i) ++tree[static_cast<std::size_t>(i)];
        ++seen;
    }
    return crossings;
}

// Sets every place's index in its layer.
void NumberPlaces(const std::vector<Blocks>& layers, std::vector<int>& position) {
    for (const Blocks& l : layers) {
        int i = 0;
        for (const auto& b : l)
            for (int p : b) position[static_cast<std::size_t>(p)] = i++;
    }
}

std::int64_t TotalCrossings(const std::vector<Blocks>& layers, const std::vector<int>& position, const Places& places) {
    std::vector<std::vector<int>> flat;
    for (const Blocks& l : layers) flat.push_back(Flatten(l));
    std::int64_t total = 0;
    for (std::size_t l = 0; l + 1 < flat.size(); ++l)
        total += Crossings(flat[l], static_cast<int>(flat[l + 1].size()), position, places);
    return total;
}

// Sorts the blocks of a layer by the mean position of their neighbours on
// one side; a block without neighbours there keeps its own mean position.
void SortByBarycentre(Blocks& layer, const std::vector<std::vector<int>>& neighbours, std::vector<int>& position) {
    std::vector<std::pair<double, std::size_t>> keys;
    for (std::size_t b = 0; b < layer.size(); ++b) {
        double sum = 0, own = 0;
        int count = 0;
        for (int p : layer[b]) {
            own += position[static_cast<std::size_t>(p)];
            for (int q : neighbours[static_cast<std::size_t>(p)]) sum += position[static_cast<std::size_t>(q)], ++count;
        }
        keys.emplace_back(count ? sum / count : own / static_cast<double>(layer[b].size()), b);
    }
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    Blocks sorted;
    for (const auto& k : keys) sorted.push_back(std::move(layer[k.second]));
    layer = std::move(sorted);
    int i = 0;
    for (const auto& b : layer)
        for (int p : b) position[static_cast<std::size_t>(p)] = i++;
}

// Crossings between the edges of block a and those of block b towards one
// neighbouring layer, with a to the left of b.
std::int64_t PairCrossings(const std::vector<int>& a, const std::vector<int>& b,
                           const std::vector<std::vector<int>>& neighbours, const std::vector<int>& position) {
    std::int64_t crossings = 0;
    for (int p : a)
        for (int q : b)
            for (int u : neighbours[static_cast<std::size_t>(p)])
                for (int v : neighbours[static_cast<std::size_t>(q)])
                    crossings += position[static_cast<std::size_t>(u)] > position[static_cast<std::size_t>(v)] ? 1 : 0;
    return crossings;
}

// Swaps neighbouring blocks of a layer while that removes crossings with the
// layers above and below (a few passes over every layer).
void SwapNeighbours(std::vector<Blocks>& layers, std::vector<int>& position, const Places& places) {
    for (int pass = 0; pass < 4; ++pass) {
        bool improved = false;
        for (Blocks& layer : layers)
            for (std::size_t i = 0; i + 1 < layer.size(); ++i) {
                const auto& a = layer[i];
                const auto& b = layer[i + 1];
                const std::int64_t now =
                    PairCrossings(a, b, places.up, position) + PairCrossings(a, b, places.down, position);
                const std::int64_t swapped =
                    PairCrossings(b, a, places.up, position) + PairCrossings(b, a, places.down, position);
                if (swapped >= now) continue;
                std::swap(layer[i], layer[i + 1]);
                int k = 0;
                for (const auto& block : layer)
                    for (int p : block) position[static_cast<std::size_t>(p)] = k++;
                improved = true;
            }
        if (!improved) return;
    }
}

// Moves the places of one layer (in their order) as close to the wanted
// positions as the distances allow: minimises the weighted squared
// distance subject to x[i+1] - x[i] >= gap[i]. With y[i] = x[i] - (sum of
// the gaps before i) this is an isotonic regression, solved exactly by
// pooling adjacent violators.
void FitLayer(const std::vector<int>& order, const std::vector<double>& wanted, const std::vector<double>& weight,
              const Places& places, std::vector<double>& x) {
    const std::size_t n = order.size();
    std::vector<double> offset(n, 0.0);
    for (std::size_t i = 1; i < n; ++i) {
        const int a = order[i - 1], b = order[i];
        const long gap = places.IsBend(a) || places.IsBend(b) ? kBendGap : kBoxGap;
        offset[i] = offset[i - 1] + static_cast<double>(places.half[static_cast<std::size_t>(a)] +
                                                        places.half[static_cast<std::size_t>(b)] + gap);
    }
    struct Pool {
        double weight, sum;
        std::size_t first;
    };
    std::vector<Pool> pools;
    for (std::size_t i = 0; i < n; ++i) {
        pools.push_back({weight[i], weight[i] * (wanted[i] - offset[i]), i});
        while (pools.size() > 1) {
            const Pool& last = pools.back();
            Pool& before = pools[pools.size() - 2];
            if (before.sum / before.weight <= last.sum / last.weight) break;
            before.weight += last.weight;
            before.sum += last.sum;
            pools.pop_back();
        }
    }
    for (std::size_t k = 0; k < pools.size(); ++k) {
        const std::size_t end = k + 1 < pools.size() ? pools[k + 1].first : n;
        for (std::size_t i = pools[k].first; i < end; ++i)
            x[static_cast<std::size_t>(order[i])] = pools[k].sum / pools[k].weight + offset[i];
    }
}

}  // namespace

std::string OrderText(const Lattice& lattice, const Node& node) {
    std::string text = std::to_string(node.order);
    if (lattice.classesOnly && node.classSize > 1) text += " (" + std::to_string(node.classSize) + ")";
    return text;
}

void LayOut(Lattice& lat) {
    std::vector<Node>& nodes = lat.nodes;
    int layerCount = 0;
    for (const Node& n : nodes) layerCount = std::max(layerCount, n.layer + 1);

    Places places;
    places.nodeCount = static_cast<int>(nodes.size());
    for (Node& n : nodes) {
        const long width = std::max({kMinBoxWidth, EstimatedTextWidth(OrderText(lat, n)),
                                     n.name.empty() ? 0L : EstimatedTextWidth(markup::StripMarkup(n.name))});
        n.width = 2 * ((width + 1) / 2);
        n.height = kBoxHeight;
        places.Add(n.layer, n.width / 2);
    }
    // Every edge keeps its own line, so that the lines leaving a box can be
    // counted: its own bend in each layer it skips.
    for (const auto& [a, b] : lat.edges) {
        std::vector<int> chain{a};
        for (int l = nodes[static_cast<std::size_t>(a)].layer + 1; l < nodes[static_cast<std::size_t>(b)].layer; ++l)
            chain.push_back(places.Add(l, 0));
        chain.push_back(b);
        for (std::size_t i = 0; i + 1 < chain.size(); ++i) places.Link(chain[i], chain[i + 1]);
        places.chains.push_back(std::move(chain));
    }
    const std::size_t placeCount = places.layer.size();

    // The order: blocks of conjugates in class order, then the bends in edge order.
    std::vector<Blocks> layers(static_cast<std::size_t>(layerCount));
    {
        std::vector<std::map<int, std::vector<int>>> byClass(static_cast<std::size_t>(layerCount));
        for (std::size_t i = 0; i < nodes.size(); ++i)
            byClass[static_cast<std::size_t>(nodes[i].layer)][nodes[i].subgroupClass].push_back(static_cast<int>(i));
        for (int l = 0; l < layerCount; ++l)
            for (auto& [c, members] : byClass[static_cast<std::size_t>(l)])
                layers[static_cast<std::size_t>(l)].push_back(std::move(members));
        for (std::size_t p = nodes.size(); p < placeCount; ++p)
            layers[static_cast<std::size_t>(places.layer[p])].push_back({static_cast<int>(p)});
    }
    std::vector<int> position(placeCount, 0);
    NumberPlaces(layers, position);
    std::vector<Blocks> best = layers;
    std::int64_t fewest = TotalCrossings(layers, position, places);
    for (int round = 0; round < kOrderingRounds && fewest > 0; ++round) {
        for (int l = 1; l < layerCount; ++l) SortByBarycentre(layers[static_cast<std::size_t>(l)], places.up, position);
        for (int l = layerCount - 2; l >= 0; --l)
            SortByBarycentre(layers[static_cast<std::size_t>(l)], places.down, position);
        const std::int64_t crossings = TotalCrossings(layers, position, places);
        if (crossings < fewest) fewest = crossings, best = layers;
    }
    NumberPlaces(best, position);
    SwapNeighbours(best, position, places);

    // The positions: packed and centred, then pulled towards the neighbours.
    std::vector<std::vector<int>> order;
    for (const Blocks& l : best) order.push_back(Flatten(l));
    std::vector<double> x(placeCount, 0.0);
    for (const auto& o : order) {
        std::vector<double> zero(o.size(), 0.0), one(o.size(), 1.0);
        FitLayer(o, zero, one, places, x);
    }
    auto pull = [&](const std::vector<int>& o, const std::vector<std::vector<int>>& neighbours) {
        std::vector<double> wanted, weight;
        for (int p : o) {
            const auto& near = neighbours[static_cast<std::size_t>(p)];
            double sum = 0;
            for (int q : near) sum += x[static_cast<std::size_t>(q)];
            wanted.push_back(near.empty() ? x[static_cast<std::size_t>(p)] : sum / static_cast<double>(near.size()));
            weight.push_back(places.IsBend(p) ? kBendWeight : 1.0);
        }
        FitLayer(o, wanted, weight, places, x);
    };
    for (int round = 0; round < kPlacingRounds; ++round) {
        for (int l = 1; l < layerCount; ++l) pull(order[static_cast<std::size_t>(l)], places.up);
        for (int l = layerCount - 2; l >= 0; --l) pull(order[static_cast<std::size_t>(l)], places.down);
    }

    // Twips: the leftmost box or bend at the margin.
    double left = 0, right = 0;
    for (std::size_t p = 0; p < placeCount; ++p) {
        const double h = static_cast<double>(places.half[p]);
        left = p ? std::min(left, x[p] - h) : x[p] - h;
        right = p ? std::max(right, x[p] + h) : x[p] + h;
    }
    std::vector<long> at(placeCount);
    for (std::size_t p = 0; p < placeCount; ++p) at[p] = kMargin + std::lround(x[p] - left);
    auto centreY = [](int l) { return kMargin + kBoxHeight / 2 + l * (kBoxHeight + kLayerGap); };
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        nodes[i].x = at[i];
        nodes[i].y = centreY(nodes[i].layer);
    }
    lat.routes.clear();
    for (const auto& chain : places.chains) {
        std::vector<Point> route;
        const Node& from = nodes[static_cast<std::size_t>(chain.front())];
        const Node& to = nodes[static_cast<std::size_t>(chain.back())];
        route.push_back({from.x, from.y + kBoxHeight / 2});
        for (std::size_t i = 1; i + 1 < chain.size(); ++i) {
            const auto p = static_cast<std::size_t>(chain[i]);
            route.push_back({at[p], centreY(places.layer[p]) - kBoxHeight / 2});
            route.push_back({at[p], centreY(places.layer[p]) + kBoxHeight / 2});
        }
        route.push_back({to.x, to.y - kBoxHeight / 2});
        lat.routes.push_back(std::move(route));
    }
    lat.width = placeCount ? 2 * kMargin + std::lround(right - left) : 2 * kMargin;
    lat.height = 2 * kMargin + (layerCount > 0 ? layerCount * kBoxHeight + (layerCount - 1) * kLayerGap : 0);
}

}  // namespace quorix::lattice
