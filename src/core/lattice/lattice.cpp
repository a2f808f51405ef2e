#include "core/lattice/lattice.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <numeric>
#include <set>

#include "core/analysis/conjugacy_classes.h"
#include "core/analysis/subgroup_sets.h"
#include "core/text/markup.h"

namespace quorix::lattice {

namespace {

constexpr Colour kNormalColour{255, 230, 140};
constexpr Colour kPlainColour{255, 255, 255};
// Colours of the classes of conjugate subgroups, in turn.
constexpr Colour kClassColours[] = {
    {170, 210, 255}, {190, 240, 190}, {255, 190, 200}, {220, 200, 255}, {190, 240, 240},
    {255, 210, 170}, {230, 230, 160}, {210, 210, 210}, {240, 190, 240}, {170, 230, 210},
};

bool Contains(const ElementSet& big, const ElementSet& small) { return (small & ~big).none(); }

// For every subgroup, the list positions of its maximal subgroups. A proper
// subgroup H of K is maximal unless it lies in a maximal subgroup of K found
// before it (those are larger, and every subgroup between H and K lies in one).
std::vector<std::vector<int>> MaximalSubgroups(const std::vector<ElementSet>& sets, const std::vector<int>& orders,
                                               Progress& progress) {
    const int count = static_cast<int>(sets.size());
    std::vector<int> byOrder(static_cast<std::size_t>(count));
    std::iota(byOrder.begin(), byOrder.end(), 0);
    std::stable_sort(byOrder.begin(), byOrder.end(), [&](int a, int b) {
        return orders[static_cast<std::size_t>(a)] > orders[static_cast<std::size_t>(b)];
    });
    std::vector<std::vector<int>> maximal(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        if (k % 64 == 0 && progress.StopRequested()) return {};
        const ElementSet& big = sets[static_cast<std::size_t>(k)];
        const int bigOrder = orders[static_cast<std::size_t>(k)];
        std::vector<int>& found = maximal[static_cast<std::size_t>(k)];
        for (int h : byOrder) {
            const int order = orders[static_cast<std::size_t>(h)];
            if (order >= bigOrder || bigOrder % order != 0) continue;
            const ElementSet& small = sets[static_cast<std::size_t>(h)];
            if (!Contains(big, small)) continue;
            bool inside = false;
            for (int m : found)
                if (Contains(sets[static_cast<std::size_t>(m)], small)) {
                    inside = true;
                    break;
                }
            if (!inside) found.push_back(h);
        }
    }
    return maximal;
}

// Orders the nodes of each layer: blocks of one class stay together; blocks
// are sorted by the mean position of their neighbours in the layers above
// (sweeping down) and below (sweeping up), a few times.
void Layout(Lattice& lat) {
    std::vector<Node>& nodes = lat.nodes;
    const int layers =
        nodes.empty() ? 0 : 1 + std::max_element(nodes.begin(), nodes.end(), [](const Node& a, const Node& b) {
                                    return a.layer < b.layer;
                                })->layer;
    std::vector<std::vector<int>> up(nodes.size()), down(nodes.size());
    for (const auto& [a, b] : lat.edges) {
        down[static_cast<std::size_t>(a)].push_back(b);
        up[static_cast<std::size_t>(b)].push_back(a);
    }
    // Blocks per layer, in class order to start with.
    std::vector<std::vector<std::vector<int>>> blocks(static_cast<std::size_t>(layers));
    {
        std::vector<std::map<int, std::vector<int>>> byClass(static_cast<std::size_t>(layers));
        for (std::size_t i = 0; i < nodes.size(); ++i)
            byClass[static_cast<std::size_t>(nodes[i].layer)][nodes[i].subgroupClass].push_back(static_cast<int>(i));
        for (int l = 0; l < layers; ++l)
            for (auto& [c, members] : byClass[static_cast<std::size_t>(l)])
                blocks[static_cast<std::size_t>(l)].push_back(members);
    }
    std::vector<double> pos(nodes.size(), 0.0);
    auto place = [&](int l) {
        const auto& layer = blocks[static_cast<std::size_t>(l)];
        int width = 0;
        for (const auto& b : layer) width += static_cast<int>(b.size());
        double p = -(width - 1) / 2.0;
        for (const auto& b : layer)
            for (int n : b) pos[static_cast<std::size_t>(n)] = p++;
    };
    for (int l = 0; l < layers; ++l) place(l);
    auto sweep = [&](int l, const std::vector<std::vector<int>>& neighbours) {
        auto& layer = blocks[static_cast<std::size_t>(l)];
        std::vector<std::pair<double, std::size_t>> keys;
        for (std::size_t b = 0; b < layer.size(); ++b) {
            double sum = 0, own = 0;
            int count = 0;
            for (int n : layer[b]) {
                own += pos[static_cast<std::size_t>(n)];
                for (int m : neighbours[static_cast<std::size_t>(n)]) sum += pos[static_cast<std::size_t>(m)], ++count;
            }
            keys.emplace_back(count ? sum / count : own / static_cast<double>(layer[b].size()), b);
        }
        std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<std::vector<int>> sorted;
        for (const auto& k : keys) sorted.push_back(std::move(layer[k.second]));
        layer = std::move(sorted);
        place(l);
    };
    for (int round = 0; round < 4; ++round) {
        for (int l = 1; l < layers; ++l) sweep(l, up);
        for (int l = layers - 2; l >= 0; --l) sweep(l, down);
    }
    double widest = 1;
    for (const auto& layer : blocks) {
        double width = 0;
        for (const auto& b : layer) width += static_cast<double>(b.size());
        widest = std::max(widest, width);
    }
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        nodes[i].x = kMargin + static_cast<long>((pos[i] + (widest - 1) / 2.0) * kColumnWidth) + kColumnWidth / 2;
        nodes[i].y = kMargin + nodes[i].layer * kLayerHeight;
    }
    lat.width = 2 * kMargin + static_cast<long>(widest) * kColumnWidth;
    lat.height = 2 * kMargin + (layers > 0 ? layers - 1 : 0) * kLayerHeight;
}

std::string Rgb(const Colour& c) {
    return "rgb(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue) + ")";
}

std::string Join(const std::vector<std::string>& parts) {
    std::string s;
    for (std::size_t i = 0; i < parts.size(); ++i) s += (i ? ", " : "") + parts[i];
    return s;
}

}  // namespace

Lattice BuildLattice(const Group& g, View view, Progress& progress) {
    if (!g.IsGenerated() || g.order() > kMaxGroupOrder)
        throw InvalidArgument("The lattice needs a generated group of order at most 120");
    Lattice lat;
    progress.Report("Finding the subgroups...");
    SubgroupSetsResult found = EnumerateSubgroupSets(g, progress);
    if (found.halted) {
        lat.halted = true;
        return lat;
    }
    const std::vector<ElementSet>& sets = found.sets;
    const int count = static_cast<int>(sets.size());
    progress.Report("Classes of conjugate subgroups...");
    const SubgroupClasses classes = ComputeSubgroupConjugacyClasses(g, sets, progress);
    if (classes.halted) {
        lat.halted = true;
        return lat;
    }
    std::vector<int> classOf(static_cast<std::size_t>(count)), orders(static_cast<std::size_t>(count));
    for (std::size_t c = 0; c < classes.classes.size(); ++c)
        for (const ConjugateSubgroup& m : classes.classes[c].members)
            classOf[static_cast<std::size_t>(m.subgroup - 1)] = static_cast<int>(c);
    for (int s = 0; s < count; ++s) orders[static_cast<std::size_t>(s)] = SetSize(sets[static_cast<std::size_t>(s)]);
    progress.Report("Maximal subgroups...");
    const std::vector<std::vector<int>> maximal = MaximalSubgroups(sets, orders, progress);
    if (maximal.empty() && count > 0) {
        lat.halted = true;
        return lat;
    }
    lat.subgroupCount = count;
    lat.classCount = static_cast<int>(classes.classes.size());
    lat.classesOnly = view == View::ClassesOnly || (view == View::Automatic && count > kClassesViewThreshold);

    // Layers: distinct orders, largest first.
    std::set<int, std::greater<>> distinct(orders.begin(), orders.end());
    std::map<int, int> layerOf;
    for (int o : distinct) layerOf.emplace(o, static_cast<int>(layerOf.size()));

    // Colours: normal subgroups in one, every class of several conjugates in its own.
    std::vector<Colour> colourOf(classes.classes.size(), kPlainColour);
    int coloured = 0;
    for (std::size_t c = 0; c < classes.classes.size(); ++c)
        colourOf[c] = classes.classes[c].Size() == 1
                          ? kNormalColour
                          : kClassColours[static_cast<std::size_t>(coloured++) % std::size(kClassColours)];

    auto makeNode = [&](int s) {
        Node n;
        n.members = sets[static_cast<std::size_t>(s)];
        n.order = orders[static_cast<std::size_t>(s)];
        n.subgroupClass = classOf[static_cast<std::size_t>(s)];
        n.classSize = classes.classes[static_cast<std::size_t>(n.subgroupClass)].Size();
        n.normal = n.classSize == 1;
        n.layer = layerOf.at(n.order);
        n.colour = colourOf[static_cast<std::size_t>(n.subgroupClass)];
        return n;
    };
    if (lat.classesOnly) {
        for (const SubgroupClass& c : classes.classes) lat.nodes.push_back(makeNode(c.representative - 1));
        std::set<std::pair<int, int>> pairs;
        for (int k = 0; k < count; ++k)
            for (int h : maximal[static_cast<std::size_t>(k)])
                pairs.emplace(classOf[static_cast<std::size_t>(k)], classOf[static_cast<std::size_t>(h)]);
        lat.edges.assign(pairs.begin(), pairs.end());
    } else {
        for (int s = 0; s < count; ++s) lat.nodes.push_back(makeNode(s));
        for (int k = 0; k < count; ++k)
            for (int h : maximal[static_cast<std::size_t>(k)]) lat.edges.emplace_back(k, h);
        std::sort(lat.edges.begin(), lat.edges.end());
    }
    Layout(lat);
    return lat;
}

void NameNodes(Lattice& lattice, const GroupPtr& g, Catalogue& catalogue, Progress& progress) {
    std::map<int, std::optional<CatalogueEntry>> byClass;
    for (Node& n : lattice.nodes) {
        if (n.order > Catalogue::kMaxOrder) continue;
        auto it = byClass.find(n.subgroupClass);
        if (it == byClass.end()) {
            GroupPtr h = Group::Create();
            h->GenerateSubgroup(g, n.members);
            it = byClass.emplace(n.subgroupClass, catalogue.Identify(*h, progress)).first;
        }
        if (it->second) {
            n.catalogue = it->second->Label();
            n.name = it->second->name;
        }
    }
}

std::string NodeLabel(const Node& node) {
    return node.name.empty() ? std::to_string(node.order) : std::to_string(node.order) + "  " + node.name;
}

std::vector<std::string> NodeElements(const Group& g, const Node& node) {
    std::vector<int> sources;
    for (int k = 1; k <= g.order(); ++k)
        if (node.members.test(static_cast<std::size_t>(k))) sources.push_back(g.sourceOf(k));
    std::sort(sources.begin(), sources.end());
    std::vector<std::string> names;
    for (int i : sources) names.push_back(markup::PlainText(g.sourceName(i)));
    return names;
}

std::string ToSvg(const Lattice& lat, const Group& g, const std::string& title) {
    // 15 twips to the pixel.
    auto px = [](long twips) { return std::to_string(twips / 15); };
    std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    s += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + px(lat.width) + "\" height=\"" + px(lat.height + 400) +
         "\" viewBox=\"0 0 " + px(lat.width) + " " + px(lat.height + 400) +
         "\" font-family=\"sans-serif\" font-size=\"11\">\n";
    s += "<title>" + markup::XmlEscape(markup::PlainText(title)) + "</title>\n";
    s += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n<g stroke=\"rgb(90,90,90)\" stroke-width=\"1\">\n";
    for (const auto& [a, b] : lat.edges) {
        const Node& p = lat.nodes[static_cast<std::size_t>(a)];
        const Node& q = lat.nodes[static_cast<std::size_t>(b)];
        s += "<line x1=\"" + px(p.x) + "\" y1=\"" + px(p.y) + "\" x2=\"" + px(q.x) + "\" y2=\"" + px(q.y) + "\"/>\n";
    }
    s += "</g>\n";
    for (const Node& n : lat.nodes) {
        s += "<g><title>" + markup::XmlEscape(Join(NodeElements(g, n))) + "</title>";
        s += "<circle cx=\"" + px(n.x) + "\" cy=\"" + px(n.y) + "\" r=\"" + px(kNodeRadius) + "\" fill=\"" +
             Rgb(n.colour) + "\" stroke=\"black\" stroke-width=\"" + (n.normal ? "2.5" : "1") + "\"/>";
        s += "<text x=\"" + px(n.x) + "\" y=\"" + px(n.y + 60) + "\" text-anchor=\"middle\">" +
             std::to_string(n.order) +
             (lat.classesOnly && n.classSize > 1 ? " (" + std::to_string(n.classSize) + ")" : "") + "</text>";
        if (!n.name.empty())
            s += "<text x=\"" + px(n.x) + "\" y=\"" + px(n.y + kNodeRadius + 200) +
                 "\" text-anchor=\"middle\" font-size=\"10\">" + markup::SvgText(n.name) + "</text>";
        s += "</g>\n";
    }
    s += "</svg>\n";
    return s;
}

std::string ToDot(const Lattice& lat, const Group& g, const std::string& title) {
    auto quote = [](const std::string& t) {
        std::string q = "\"";
        for (char c : t) q += (c == '"' || c == '\\') ? std::string("\\") + c : std::string(1, c);
        return q + "\"";
    };
    std::string s =
        "graph lattice {\n  label=" + quote(markup::PlainText(title)) + ";\n  node [shape=circle, style=filled];\n";
    for (std::size_t i = 0; i < lat.nodes.size(); ++i) {
        const Node& n = lat.nodes[i];
        const std::string label = std::to_string(n.order) + (n.name.empty() ? "" : "\\n" + markup::PlainText(n.name));
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%02x%02x%02x", n.colour.red, n.colour.green, n.colour.blue);
        s += "  n" + std::to_string(i) + " [label=\"" + label + "\", fillcolor=\"" + colour +
             "\", tooltip=" + quote(Join(NodeElements(g, n))) + (n.normal ? ", penwidth=2.5" : "") + "];\n";
    }
    for (const auto& [a, b] : lat.edges) s += "  n" + std::to_string(a) + " -- n" + std::to_string(b) + ";\n";
    return s + "}\n";
}

std::string ToTikz(const Lattice& lat, const std::string& title) {
    // Twips to centimetres (567 to the centimetre), no wider than 16 cm.
    const double unit = std::min(1.0 / 567, 16.0 / static_cast<double>(std::max(1L, lat.width)));
    auto cm = [unit](long twips) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.3f", static_cast<double>(twips) * unit);
        return std::string(buf);
    };
    std::string s = "% Needs \\usepackage{tikz}.\n% " + markup::PlainText(title) + "\n";
    s += "\\begin{tikzpicture}[subgroup/.style={circle, draw, inner sep=0pt, minimum size=" + cm(2 * kNodeRadius) +
         "cm, font=\\scriptsize}]\n";
    for (std::size_t i = 0; i < lat.nodes.size(); ++i) {
        const Node& n = lat.nodes[i];
        std::string label = std::to_string(n.order);
        if (lat.classesOnly && n.classSize > 1) label += " (" + std::to_string(n.classSize) + ")";
        s += "\\node[subgroup" + std::string(n.normal ? ", very thick" : "") + ", fill={rgb,255:red," +
             std::to_string(n.colour.red) + ";green," + std::to_string(n.colour.green) + ";blue," +
             std::to_string(n.colour.blue) + "}] (s" + std::to_string(i) + ") at (" + cm(n.x) + ", " + cm(-n.y) +
             ") {" + label + "};\n";
    }
    for (const auto& [a, b] : lat.edges)
        s += "\\draw[gray] (s" + std::to_string(a) + ") -- (s" + std::to_string(b) + ");\n";
    return s + "\\end{tikzpicture}\n";
}

}  // namespace quorix::lattice
