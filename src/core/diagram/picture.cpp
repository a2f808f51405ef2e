#include "core/diagram/picture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>

#include "core/display/table_export.h"
#include "core/text/markup.h"

namespace quorix::diagram {

namespace {

constexpr double kMargin = 20;
constexpr double kTitleHeight = 34;
constexpr double kLegendLine = 20;
constexpr double kNoteLine = 18;
// Bends tried, in this order, for an edge that runs through a node.
constexpr double kBendSteps[] = {0.3, -0.3, 0.6, -0.6, 0.9, -0.9};

std::string Number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", v);
    std::string s = buf;
    if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0) s.resize(s.size() - 2);
    return s == "-0" ? "0" : s;
}

std::string Hex(const Rgb& c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c.red, c.green, c.blue);
    return buf;
}

std::string TikzRgb(const Rgb& c) {
    return "{rgb,255:red," + std::to_string(c.red) + ";green," + std::to_string(c.green) + ";blue," +
           std::to_string(c.blue) + "}";
}

// Plain text for LaTeX's text mode.
std::string LatexText(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
            case '\\':
                out += "\\textbackslash{}";
                break;
            case '{':
            case '}':
            case '#':
            case '$':
            case '%':
            case '&':
            case '_':
                out += '\\';
                out += c;
                break;
            case '^':
                out += "\\^{}";
                break;
            case '~':
                out += "\\~{}";
                break;
            default:
                out += c;
        }
    }
    return out;
}

double Distance(const Point& a, const Point& b) { return std::hypot(a.x - b.x, a.y - b.y); }

Point OnCurve(const Point& a, const Point& c, const Point& b, double t) {
    const double u = 1 - t;
    return {u * u * a.x + 2 * u * t * c.x + t * t * b.x, u * u * a.y + 2 * u * t * c.y + t * t * b.y};
}

// How many other nodes the edge's curve runs through with this bend.
int Crossings(const Picture& p, const PictureEdge& e, double bend) {
    const Point a = p.nodes[static_cast<std::size_t>(e.from)].at, b = p.nodes[static_cast<std::size_t>(e.to)].at;
    const Point c = ControlPoint(a, b, bend);
    const double clearance = p.nodeRadius + 3;
    const double minX = std::min({a.x, b.x, c.x}) - clearance, maxX = std::max({a.x, b.x, c.x}) + clearance;
    const double minY = std::min({a.y, b.y, c.y}) - clearance, maxY = std::max({a.y, b.y, c.y}) + clearance;
    constexpr int kSamples = 24;
    int count = 0;
    for (std::size_t n = 0; n < p.nodes.size(); ++n) {
        if (static_cast<int>(n) == e.from || static_cast<int>(n) == e.to) continue;
        const Point q = p.nodes[n].at;
        if (q.x < minX || q.x > maxX || q.y < minY || q.y > maxY) continue;
        for (int s = 1; s < kSamples; ++s)
            if (Distance(OnCurve(a, c, b, static_cast<double>(s) / kSamples), q) < clearance) {
                ++count;
                break;
            }
    }
    return count;
}

// The curve of an edge cut back to the rims of its nodes: start, control, end.
struct Cut {
    Point start, control, end;
};

Cut CutToRims(const Picture& p, const PictureEdge& e, double gapAtEnd) {
    const Point a = p.nodes[static_cast<std::size_t>(e.from)].at, b = p.nodes[static_cast<std::size_t>(e.to)].at;
    const Point c = ControlPoint(a, b, e.bend);
    auto towards = [](const Point& from, const Point& to, double d) {
        const double len = std::max(1e-9, Distance(from, to));
        return Point{from.x + (to.x - from.x) * d / len, from.y + (to.y - from.y) * d / len};
    };
    return {towards(a, c, p.nodeRadius), c, towards(b, c, p.nodeRadius + gapAtEnd)};
}

// The rectangle that holds everything drawn: the framed picture, and nodes
// and edges wherever they are (the user may have dragged nodes outside).
struct Box {
    double minX, minY, maxX, maxY;
    void Add(const Point& q, double pad) {
        minX = std::min(minX, q.x - pad), maxX = std::max(maxX, q.x + pad);
        minY = std::min(minY, q.y - pad), maxY = std::max(maxY, q.y + pad);
    }
};

Box DrawnBox(const Picture& p) {
    Box inner{0, 0, 0, 0};
    bool any = false;
    auto add = [&](const Point& q, double pad) {
        if (!any) inner = {q.x - pad, q.y - pad, q.x + pad, q.y + pad};
        any = true;
        inner.Add(q, pad);
    };
    for (const PictureNode& n : p.nodes) add(n.at, p.nodeRadius + 1);
    constexpr double kStroke = 10;  // half the line width and the arrowhead
    for (const PictureEdge& e : p.edges) {
        const Cut c = CutToRims(p, e, e.directed ? 8 : 0);
        add(c.start, kStroke);
        add(c.end, kStroke);
        // Where the curve turns on each axis.
        auto turn = [&](double a, double m, double b) {
            const double d = a - 2 * m + b;
            const double t = std::abs(d) < 1e-12 ? -1 : (a - m) / d;
            if (t > 0 && t < 1) add(OnCurve(c.start, c.control, c.end, t), kStroke);
        };
        turn(c.start.x, c.control.x, c.end.x);
        turn(c.start.y, c.control.y, c.end.y);
    }
    Box box{0, 0, p.width, p.height};
    if (!any) return box;
    // Beyond the frame the drawing gets its margin too.
    if (inner.minX < 0) box.minX = inner.minX - kMargin;
    if (inner.minY < 0) box.minY = inner.minY - kMargin;
    if (inner.maxX > p.width) box.maxX = inner.maxX + kMargin;
    if (inner.maxY > p.height) box.maxY = inner.maxY + kMargin;
    box.minX = std::floor(box.minX), box.minY = std::floor(box.minY);
    box.maxX = std::ceil(box.maxX), box.maxY = std::ceil(box.maxY);
    return box;
}

}  // namespace

Rgb ToRgb(const TableColour& colour) { return {colour.red, colour.green, colour.blue}; }

Rgb GeneratorColour(int index) {
    static constexpr Rgb kColours[] = {
        {214, 39, 40}, {31, 119, 180},  {44, 160, 44},  {255, 127, 14}, {148, 103, 189},
        {140, 86, 75}, {227, 119, 194}, {23, 190, 207}, {188, 189, 34}, {127, 127, 127},
    };
    constexpr int kCount = static_cast<int>(std::size(kColours));
    return kColours[((index % kCount) + kCount) % kCount];
}

double LabelWidth(const std::string& label) {
    double w = 0;
    for (const markup::Token& t : markup::Tokenize(label)) {
        if (t.kind != markup::TokenKind::Text) continue;
        const double perChar = t.placement == markup::Placement::Baseline ? 7.0 : 5.2;
        if (t.placement != markup::Placement::Stacked) w += perChar * static_cast<double>(t.text.size());
    }
    return w;
}

double NodeRadiusFor(const std::vector<std::string>& labels) {
    double widest = 0;
    for (const std::string& l : labels) widest = std::max(widest, LabelWidth(l));
    return std::max(13.0, widest / 2 + 6);
}

Point ControlPoint(const Point& a, const Point& b, double bend) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    // Left of the direction of travel, with y growing downwards.
    return {(a.x + b.x) / 2 + bend * dy, (a.y + b.y) / 2 - bend * dx};
}

double SmallestGap(const std::vector<Point>& points) {
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < points.size(); ++i)
        for (std::size_t j = i + 1; j < points.size(); ++j) best = std::min(best, Distance(points[i], points[j]));
    return best;
}

void Separate(std::vector<Point>& points, double spacing) {
    for (int round = 0; round < 500; ++round) {
        bool moved = false;
        for (std::size_t i = 0; i < points.size(); ++i)
            for (std::size_t j = i + 1; j < points.size(); ++j) {
                double dx = points[j].x - points[i].x, dy = points[j].y - points[i].y;
                double d = std::hypot(dx, dy);
                if (d >= spacing) continue;
                if (d < 1e-6) dx = std::cos(static_cast<double>(j)), dy = std::sin(static_cast<double>(j)), d = 1;
                const double push = (spacing - d) / 2 + 0.5;
                const double ux = dx / d * push, uy = dy / d * push;
                if (i == 0) {
                    points[j].x += 2 * ux, points[j].y += 2 * uy;
                } else {
                    points[i].x -= ux, points[i].y -= uy;
                    points[j].x += ux, points[j].y += uy;
                }
                moved = true;
            }
        if (!moved) return;
    }
}

void BendAroundNodes(Picture& p) {
    // Several edges between the same two nodes spread out first.
    std::map<std::pair<int, int>, std::vector<std::size_t>> byPair;
    for (std::size_t i = 0; i < p.edges.size(); ++i)
        byPair[{std::min(p.edges[i].from, p.edges[i].to), std::max(p.edges[i].from, p.edges[i].to)}].push_back(i);
    for (const auto& [pair, list] : byPair) {
        if (list.size() < 2) continue;
        for (std::size_t k = 0; k < list.size(); ++k) {
            PictureEdge& e = p.edges[list[k]];
            const double side = 0.4 * (static_cast<double>(k) - static_cast<double>(list.size() - 1) / 2);
            e.bend = e.from == pair.first ? side : -side;
        }
    }
    for (PictureEdge& e : p.edges) {
        int best = Crossings(p, e, e.bend);
        if (best == 0) continue;
        const double base = e.bend;
        for (double step : kBendSteps) {
            const int c = Crossings(p, e, base + step);
            if (c < best) {
                best = c;
                e.bend = base + step;
            }
            if (best == 0) break;
        }
    }
}

void Frame(Picture& p) {
    const double r = p.nodeRadius;
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    if (!p.nodes.empty()) {
        minX = maxX = p.nodes.front().at.x;
        minY = maxY = p.nodes.front().at.y;
    }
    for (const PictureNode& n : p.nodes) {
        minX = std::min(minX, n.at.x), maxX = std::max(maxX, n.at.x);
        minY = std::min(minY, n.at.y), maxY = std::max(maxY, n.at.y);
    }
    // Bent edges reach beyond the nodes.
    for (const PictureEdge& e : p.edges) {
        if (e.bend == 0) continue;
        const Point a = p.nodes[static_cast<std::size_t>(e.from)].at, b = p.nodes[static_cast<std::size_t>(e.to)].at;
        const Point mid = OnCurve(a, ControlPoint(a, b, e.bend), b, 0.5);
        minX = std::min(minX, mid.x + r), maxX = std::max(maxX, mid.x - r);
        minY = std::min(minY, mid.y + r), maxY = std::max(maxY, mid.y - r);
    }
    const double dx = kMargin + r - minX, dy = kTitleHeight + r - minY;
    for (PictureNode& n : p.nodes) n.at.x += dx, n.at.y += dy;
    double width = maxX + dx + r + kMargin;
    width = std::max(width, 2 * kMargin + LabelWidth(p.title) * 1.15);
    for (const LegendEntry& l : p.legend) width = std::max(width, 2 * kMargin + 40 + LabelWidth(l.label));
    for (const std::string& n : p.notes) width = std::max(width, 2 * kMargin + 6.2 * static_cast<double>(n.size()));
    p.width = std::ceil(width);
    p.legendTop = maxY + dy + r + 24;
    p.height = std::ceil(p.legendTop + kLegendLine * static_cast<double>(p.legend.size()) +
                         kNoteLine * static_cast<double>(p.notes.size()) + kMargin);
    // Centre the drawing when the texts make the picture wider.
    const double shift = (p.width - (maxX + dx + r + kMargin)) / 2;
    for (PictureNode& n : p.nodes) n.at.x += shift;
}

std::string ToSvg(const Picture& p) {
    const Box box = DrawnBox(p);
    const std::string width = Number(box.maxX - box.minX), height = Number(box.maxY - box.minY);
    std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    s += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width + "\" height=\"" + height + "\" viewBox=\"" +
         Number(box.minX) + " " + Number(box.minY) + " " + width + " " + height +
         "\" font-family=\"sans-serif\" font-size=\"12\">\n";
    s += "<title>" + markup::XmlEscape(markup::PlainText(p.title)) + "</title>\n";
    s += "<defs>\n";
    for (std::size_t i = 0; i < p.legend.size(); ++i)
        s += "<marker id=\"head" + std::to_string(i) +
             "\" viewBox=\"0 0 10 10\" refX=\"2\" refY=\"5\" markerWidth=\"9\" markerHeight=\"9\" "
             "markerUnits=\"userSpaceOnUse\" orient=\"auto\"><path d=\"M0,0 L10,5 L0,10 z\" fill=\"" +
             Hex(p.legend[i].colour) + "\"/></marker>\n";
    s += "<marker id=\"head\" viewBox=\"0 0 10 10\" refX=\"2\" refY=\"5\" markerWidth=\"9\" markerHeight=\"9\" "
         "markerUnits=\"userSpaceOnUse\" orient=\"auto\"><path d=\"M0,0 L10,5 L0,10 z\" fill=\"#333333\"/></marker>\n";
    s += "</defs>\n<rect x=\"" + Number(box.minX) + "\" y=\"" + Number(box.minY) + "\" width=\"" + width +
         "\" height=\"" + height + "\" fill=\"white\"/>\n";
    s += "<text x=\"" + Number(kMargin) + "\" y=\"22\" font-size=\"14\" font-weight=\"bold\">" +
         markup::SvgText(p.title) + "</text>\n";
    s += "<g fill=\"none\" stroke-width=\"1.6\">\n";
    for (const PictureEdge& e : p.edges) {
        const Cut c = CutToRims(p, e, e.directed ? 8 : 0);
        const std::string marker = e.generator >= 0 ? "head" + std::to_string(e.generator) : "head";
        s += "<path d=\"M" + Number(c.start.x) + "," + Number(c.start.y) + " Q" + Number(c.control.x) + "," +
             Number(c.control.y) + " " + Number(c.end.x) + "," + Number(c.end.y) + "\" stroke=\"" + Hex(e.colour) +
             "\"" + (e.directed ? " marker-end=\"url(#" + marker + ")\"" : "") + "/>\n";
    }
    s += "</g>\n";
    for (const PictureNode& n : p.nodes) {
        s += "<circle cx=\"" + Number(n.at.x) + "\" cy=\"" + Number(n.at.y) + "\" r=\"" + Number(p.nodeRadius) +
             "\" fill=\"" + Hex(n.fill) + "\" stroke=\"black\"/>";
        s += "<text x=\"" + Number(n.at.x) + "\" y=\"" + Number(n.at.y + 4) + "\" text-anchor=\"middle\">" +
             markup::SvgText(n.label) + "</text>\n";
    }
    double y = p.legendTop;
    for (std::size_t i = 0; i < p.legend.size(); ++i, y += kLegendLine) {
        const LegendEntry& l = p.legend[i];
        s += "<line x1=\"" + Number(kMargin) + "\" y1=\"" + Number(y) + "\" x2=\"" +
             Number(kMargin + (l.directed ? 22 : 30)) + "\" y2=\"" + Number(y) + "\" stroke=\"" + Hex(l.colour) +
             "\" stroke-width=\"1.6\"" + (l.directed ? " marker-end=\"url(#head" + std::to_string(i) + ")\"" : "") +
             "/>";
        s += "<text x=\"" + Number(kMargin + 40) + "\" y=\"" + Number(y + 4) + "\">" + markup::SvgText(l.label) +
             "</text>\n";
    }
    for (const std::string& note : p.notes) {
        s += "<text x=\"" + Number(kMargin) + "\" y=\"" + Number(y + 6) + "\" font-size=\"11\">" +
             markup::XmlEscape(note) + "</text>\n";
        y += kNoteLine;
    }
    return s + "</svg>\n";
}

std::string ToTikz(const Picture& p) {
    // Pixels to centimetres: at most 96 dpi, at most 16 cm wide.
    const double unit = std::min(2.54 / 96, 16.0 / std::max(1.0, p.width));
    auto cm = [&](double v) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.3f", v * unit);
        return std::string(buf);
    };
    const char* font = unit > 0.02 ? "\\small" : (unit > 0.014 ? "\\scriptsize" : "\\tiny");
    std::string s = "% Needs \\usepackage{tikz}.\n";
    s += "% " + markup::PlainText(p.title) + "\n";
    s += "\\begin{tikzpicture}[>=stealth, every node/.style={font=" + std::string(font) + "},\n";
    s += "  element/.style={circle, draw, inner sep=0pt, minimum size=" + cm(2 * p.nodeRadius) + "cm}]\n";
    for (std::size_t i = 0; i < p.nodes.size(); ++i) {
        const PictureNode& n = p.nodes[i];
        s += "\\node[element, fill=" + TikzRgb(n.fill) + "] (n" + std::to_string(i) + ") at (" + cm(n.at.x) + ", " +
             cm(-n.at.y) + ") {$" + MarkupToLatex(n.label) + "$};\n";
    }
    for (const PictureEdge& e : p.edges) {
        std::string path = " (n" + std::to_string(e.from) + ") ";
        if (e.bend == 0) {
            path += "--";
        } else {
            const double angle = std::atan(2 * std::abs(e.bend)) * 180 / 3.14159265358979;
            path += "to[bend " + std::string(e.bend > 0 ? "left" : "right") + "=" + Number(angle) + "]";
        }
        path += " (n" + std::to_string(e.to) + ")";
        s += "\\draw[" + std::string(e.directed ? "->, " : "") + "color=" + TikzRgb(e.colour) + ", thick]" + path +
             ";\n";
    }
    double y = p.legendTop;
    for (const LegendEntry& l : p.legend) {
        s += "\\draw[" + std::string(l.directed ? "->, " : "") + "color=" + TikzRgb(l.colour) + ", thick] (" +
             cm(kMargin) + ", " + cm(-y) + ") -- (" + cm(kMargin + 30) + ", " + cm(-y) + ") node[right, black] {$" +
             MarkupToLatex(l.label) + "$};\n";
        y += kLegendLine;
    }
    for (const std::string& note : p.notes) {
        s += "\\node[anchor=west] at (" + cm(kMargin) + ", " + cm(-y) + ") {" + LatexText(note) + "};\n";
        y += kNoteLine;
    }
    return s + "\\end{tikzpicture}\n";
}

}  // namespace quorix::diagram
