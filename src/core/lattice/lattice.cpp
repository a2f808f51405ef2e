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

bool Contains(const ElementSet& big, const ElementSet& small) { return small.IsSubsetOf(big); }

// For every subgroup marked in `wanted`, the list positions of its maximal
// subgroups (the others get none). A proper subgroup H of K is maximal unless
// it lies in a maximal subgroup of K found before it (those are larger, and
// every subgroup between H and K lies in one).
std::vector<std::vector<int>> MaximalSubgroups(const std::vector<ElementSet>& sets, const std::vector<int>& orders,
                                               const std::vector<char>& wanted, Progress& progress) {
    const int count = static_cast<int>(sets.size());
    std::vector<int> byOrder(static_cast<std::size_t>(count));
    std::iota(byOrder.begin(), byOrder.end(), 0);
    std::stable_sort(byOrder.begin(), byOrder.end(), [&](int a, int b) {
        return orders[static_cast<std::size_t>(a)] > orders[static_cast<std::size_t>(b)];
    });
    std::vector<std::vector<int>> maximal(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        if (k % 64 == 0 && progress.StopRequested()) return {};
        if (!wanted[static_cast<std::size_t>(k)]) continue;
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
        throw InvalidArgument("The lattice needs a generated group of order at most " + std::to_string(kMaxGroupOrder));
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
    lat.subgroupCount = count;
    lat.classCount = static_cast<int>(classes.classes.size());
    lat.classesOnly = view == View::ClassesOnly || (view == View::Automatic && count > kClassesViewThreshold);
    // Conjugation carries the maximal subgroups of one member of a class onto
    // those of another, so the classes view needs those of representatives only.
    std::vector<char> wanted(static_cast<std::size_t>(count), lat.classesOnly ? 0 : 1);
    for (const SubgroupClass& c : classes.classes) wanted[static_cast<std::size_t>(c.representative - 1)] = 1;
    progress.Report("Maximal subgroups...");
    const std::vector<std::vector<int>> maximal = MaximalSubgroups(sets, orders, wanted, progress);
    if (maximal.empty() && count > 0) {
        lat.halted = true;
        return lat;
    }

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
    LayOut(lat);
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
    LayOut(lattice);
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
    auto px = [](long twips) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.1f", static_cast<double>(twips) / 15);
        std::string t = buf;
        return t.ends_with(".0") ? t.substr(0, t.size() - 2) : t;
    };
    std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    s += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + px(lat.width) + "\" height=\"" + px(lat.height) +
         "\" viewBox=\"0 0 " + px(lat.width) + " " + px(lat.height) +
         "\" font-family=\"sans-serif\" font-size=\"11\">\n";
    s += "<title>" + markup::XmlEscape(markup::PlainText(title)) + "</title>\n";
    s += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    s += "<g stroke=\"rgb(90,90,90)\" stroke-width=\"1\" fill=\"none\">\n";
    for (const std::vector<Point>& route : lat.routes) {
        s += "<polyline points=\"";
        for (std::size_t i = 0; i < route.size(); ++i) s += (i ? " " : "") + px(route[i].x) + "," + px(route[i].y);
        s += "\"/>\n";
    }
    s += "</g>\n";
    for (const Node& n : lat.nodes) {
        const long top = n.y - n.height / 2;
        s += "<g><title>" + markup::XmlEscape(Join(NodeElements(g, n))) + "</title>";
        s += "<rect x=\"" + px(n.x - n.width / 2) + "\" y=\"" + px(top) + "\" width=\"" + px(n.width) + "\" height=\"" +
             px(n.height) + "\" rx=\"4\" fill=\"" + Rgb(n.colour) + "\" stroke=\"black\" stroke-width=\"" +
             (n.normal ? "2.5" : "1") + "\"/>";
        // Two lines (order, name) or the order alone in the middle.
        const long orderBase = n.name.empty() ? n.y + 60 : top + 240;
        s += "<text x=\"" + px(n.x) + "\" y=\"" + px(orderBase) + "\" text-anchor=\"middle\"" +
             (n.normal ? " font-weight=\"bold\"" : "") + ">" + OrderText(lat, n) + "</text>";
        if (!n.name.empty())
            s += "<text x=\"" + px(n.x) + "\" y=\"" + px(top + 465) + "\" text-anchor=\"middle\" font-size=\"10\">" +
                 markup::SvgText(n.name) + "</text>";
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
    s += "\\begin{tikzpicture}[subgroup/.style={rectangle, rounded corners=1pt, draw, inner sep=0pt, minimum height=" +
         cm(kBoxHeight) + "cm, font=\\scriptsize}]\n";
    // The lines first: the boxes cover their ends.
    for (const std::vector<Point>& route : lat.routes) {
        s += "\\draw[gray] ";
        for (std::size_t i = 0; i < route.size(); ++i)
            s += (i ? " -- (" : "(") + cm(route[i].x) + ", " + cm(-route[i].y) + ")";
        s += ";\n";
    }
    for (std::size_t i = 0; i < lat.nodes.size(); ++i) {
        const Node& n = lat.nodes[i];
        s += "\\node[subgroup" + std::string(n.normal ? ", very thick" : "") + ", minimum width=" + cm(n.width) +
             "cm, fill={rgb,255:red," + std::to_string(n.colour.red) + ";green," + std::to_string(n.colour.green) +
             ";blue," + std::to_string(n.colour.blue) + "}] (s" + std::to_string(i) + ") at (" + cm(n.x) + ", " +
             cm(-n.y) + ") {" + OrderText(lat, n) + "};\n";
    }
    return s + "\\end{tikzpicture}\n";
}

}  // namespace quorix::lattice
