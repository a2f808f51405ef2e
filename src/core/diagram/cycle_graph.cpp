#include "core/diagram/cycle_graph.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <numeric>

#include "core/display/table_export.h"

namespace quorix::diagram {

namespace {

ElementSet Powers(const Group& g, int x) {
    ElementSet set;
    int y = 1;
    do {
        set.set(static_cast<std::size_t>(y));
        y = g.mul(y, x);
    } while (y != 1);
    return set;
}

int Power(const Group& g, int x, int e) {
    int y = 1;
    for (int i = 0; i < e; ++i) y = g.mul(y, x);
    return y;
}

// Cycles that share the same elements beyond the identity: one circle of
// the shared elements, each cycle's own elements on an arc of its own.
struct Family {
    std::vector<std::vector<int>> cycles;  // 1, g, g^2, ...
    int shared = 1;                        // order of the shared subgroup
    std::vector<int> elements;             // every element but the identity, once
    std::vector<Point> points;             // local: the identity at 0, growing upwards (y up)
};

bool Spaced(const std::vector<Point>& points, double spacing) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (std::hypot(points[i].x, points[i].y) < spacing) return false;
        for (std::size_t j = i + 1; j < points.size(); ++j)
            if (std::hypot(points[i].x - points[j].x, points[i].y - points[j].y) < spacing) return false;
    }
    return true;
}

void ShapeFamily(Family& f, double spacing) {
    const int k = f.shared;
    const int count = static_cast<int>(f.cycles.size());
    const std::vector<int>& first = f.cycles.front();
    const int d0 = static_cast<int>(first.size()) / k;
    // The angle on the circle of each shared element, in the first cycle's order.
    std::map<int, double> angle;
    for (int t = 0; t < k; ++t)
        angle[first[static_cast<std::size_t>(t * d0)]] = -std::numbers::pi / 2 + 2 * std::numbers::pi * t / k;
    double rho = std::max(spacing * 0.8, (count - 1) / 2.0 * spacing * 1.15 + spacing);
    for (int attempt = 0; attempt < 200; ++attempt, rho *= 1.08) {
        f.elements.clear();
        f.points.clear();
        auto put = [&](int element, double a, double r) {
            if (element == 1 || std::find(f.elements.begin(), f.elements.end(), element) != f.elements.end()) return;
            f.elements.push_back(element);
            f.points.push_back({r * std::cos(a), rho + r * std::sin(a)});
        };
        for (const auto& [element, a] : angle) put(element, a, rho);
        for (int s = 0; s < count; ++s) {
            const std::vector<int>& cycle = f.cycles[static_cast<std::size_t>(s)];
            const int m = static_cast<int>(cycle.size()), d = m / k;
            const double radius = rho + (s - (count - 1) / 2.0) * spacing * 1.15;
            for (int t = 0; t < k; ++t) {
                const double from = angle.at(cycle[static_cast<std::size_t>(t * d)]);
                const double to = angle.at(cycle[static_cast<std::size_t>(((t + 1) * d) % m)]);
                double sweep = std::fmod(to - from + 4 * std::numbers::pi, 2 * std::numbers::pi);
                if (sweep < 1e-9) sweep = 2 * std::numbers::pi;
                for (int u = 1; u < d; ++u)
                    put(cycle[static_cast<std::size_t>(t * d + u)], from + sweep * u / d, radius);
            }
        }
        if (Spaced(f.points, spacing)) return;
    }
}

}  // namespace

std::vector<ElementSet> MaximalCyclicSubgroups(const Group& g) {
    const int n = g.order();
    std::vector<ElementSet> cyclic(static_cast<std::size_t>(n) + 1);
    for (int x = 1; x <= n; ++x) cyclic[static_cast<std::size_t>(x)] = Powers(g, x);
    std::vector<ElementSet> out;
    for (int x = 2; x <= n; ++x) {
        const ElementSet& c = cyclic[static_cast<std::size_t>(x)];
        bool maximal = true;
        for (int y = 2; y <= n && maximal; ++y) {
            const ElementSet& other = cyclic[static_cast<std::size_t>(y)];
            maximal = !(c.IsSubsetOf(other) && other != c);
        }
        if (maximal && std::find(out.begin(), out.end(), c) == out.end()) out.push_back(c);
    }
    return out;
}

CycleGraph BuildCycleGraph(const Group& g, bool originalNames) {
    const int n = g.order();
    if (n < 1 || n > kMaxGroupOrder)
        throw InvalidArgument("a cycle graph needs a group of at most " + std::to_string(kMaxGroupOrder) + " elements");
    CycleGraph out;
    const std::vector<ElementSet> maximal = MaximalCyclicSubgroups(g);
    const auto label = [&](int k) { return originalNames ? g.sourceName(g.sourceOf(k)) : g.name(k); };
    std::vector<std::string> labels;
    for (int k = 1; k <= n; ++k) labels.push_back(label(k));
    Picture& p = out.picture;
    p.title = g.GroupID();
    p.nodeRadius = NodeRadiusFor(labels);
    const double spacing = 2 * p.nodeRadius + 16;

    // The shared part of each cycle: the subgroup its intersections with the
    // others generate (in a cyclic group, the one whose order is the lcm).
    std::vector<Family> families;
    std::map<std::string, std::size_t> familyOf;
    for (std::size_t i = 0; i < maximal.size(); ++i) {
        int k = 1;
        for (std::size_t j = 0; j < maximal.size(); ++j)
            if (j != i) k = std::lcm(k, static_cast<int>((maximal[i] & maximal[j]).count()));
        const int m = static_cast<int>(maximal[i].count());
        ElementSet shared;
        int x = 2;
        while (Powers(g, x) != maximal[i]) ++x;
        const int anchor = Power(g, x, m / k);
        shared = Powers(g, anchor);
        std::size_t f = families.size();
        if (k > 1) {
            const auto [it, fresh] = familyOf.emplace(shared.to_string(), families.size());
            f = it->second;
            if (!fresh) {
                // Walk the shared elements in the same order as the family's first cycle.
                const std::vector<int>& first = families[f].cycles.front();
                const int want = first[first.size() / static_cast<std::size_t>(k)];
                for (int y = x; y <= n; ++y)
                    if (Powers(g, y) == maximal[i] && Power(g, y, m / k) == want) {
                        x = y;
                        break;
                    }
            }
        }
        if (f == families.size()) families.push_back({{}, k, {}, {}});
        std::vector<int> cycle;
        int y = 1;
        do {
            cycle.push_back(y);
            y = g.mul(y, x);
        } while (y != 1);
        families[f].cycles.push_back(std::move(cycle));
    }
    for (Family& f : families) ShapeFamily(f, spacing);
    std::stable_sort(families.begin(), families.end(), [](const Family& a, const Family& b) {
        if (a.shared != b.shared) return a.shared > b.shared;
        if (a.cycles.front().size() != b.cycles.front().size())
            return a.cycles.front().size() > b.cycles.front().size();
        return a.cycles.size() > b.cycles.size();
    });

    std::vector<Point> at(static_cast<std::size_t>(n) + 1);
    std::vector<bool> placed(static_cast<std::size_t>(n) + 1, false);
    placed[1] = true;
    if (families.size() == 1) {
        const Family& f = families.front();
        for (std::size_t i = 0; i < f.elements.size(); ++i)
            at[static_cast<std::size_t>(f.elements[i])] = {f.points[i].x, -f.points[i].y};
    } else {
        double total = 0;
        for (const Family& f : families) total += static_cast<double>(std::max<std::size_t>(1, f.elements.size()));
        double start = -std::numbers::pi / 2;
        for (const Family& f : families) {
            const double sector =
                2 * std::numbers::pi * static_cast<double>(std::max<std::size_t>(1, f.elements.size())) / total;
            const double centre = start + sector / 2;
            start += sector;
            double half = 0;
            for (const Point& q : f.points) half = std::max(half, std::abs(q.x));
            // Half the sector's width for the petal, the rest keeps it from its neighbours.
            const double spread = std::min(sector, 2 * std::numbers::pi / 3) / 2 * 0.5;
            std::vector<std::size_t> own;
            for (std::size_t i = 0; i < f.elements.size(); ++i)
                if (!placed[static_cast<std::size_t>(f.elements[i])]) own.push_back(i);
            std::vector<Point> trial(own.size());
            for (double scale = 0.5; scale < 1e4; scale *= 1.08) {
                bool ok = true;
                for (std::size_t t = 0; t < own.size(); ++t) {
                    const Point& q = f.points[own[t]];
                    const double offset = half > 1e-9 ? q.x / half * spread : 0;
                    const double r = q.y * scale;
                    trial[t] = {r * std::cos(centre + offset), r * std::sin(centre + offset)};
                    const double room = sector / 2 - std::abs(offset);
                    if (room < std::numbers::pi / 2 && r * std::sin(room) < spacing / 2) ok = false;
                }
                if (ok && Spaced(trial, spacing)) break;
            }
            for (std::size_t t = 0; t < own.size(); ++t) {
                at[static_cast<std::size_t>(f.elements[own[t]])] = trial[t];
                placed[static_cast<std::size_t>(f.elements[own[t]])] = true;
            }
        }
    }

    // Cycles of different families may share elements: keep those apart too.
    {
        std::vector<Point> points(at.begin() + 1, at.end());
        if (SmallestGap(points) < spacing) Separate(points, spacing);
        std::copy(points.begin(), points.end(), at.begin() + 1);
    }
    const std::vector<TableColour> colours = ElementColours(n);
    for (int k = 1; k <= n; ++k) {
        const int slot = originalNames ? g.sourceOf(k) - 1 : k - 1;
        p.nodes.push_back({k, labels[static_cast<std::size_t>(k - 1)], at[static_cast<std::size_t>(k)],
                           ToRgb(colours[static_cast<std::size_t>(slot)])});
    }
    constexpr Rgb kInk{70, 70, 70};
    for (const Family& f : families)
        for (const std::vector<int>& cycle : f.cycles) {
            out.cycles.push_back(cycle);
            const std::size_t m = cycle.size();
            for (std::size_t i = 0; i < (m == 2 ? 1 : m); ++i)
                p.edges.push_back({cycle[i] - 1, cycle[(i + 1) % m] - 1, -1, false, 0, kInk});
        }
    p.notes.push_back(std::to_string(out.cycles.size()) +
                      (out.cycles.size() == 1 ? " maximal cyclic subgroup" : " maximal cyclic subgroups"));
    BendAroundNodes(p);
    Frame(p);
    return out;
}

}  // namespace quorix::diagram
