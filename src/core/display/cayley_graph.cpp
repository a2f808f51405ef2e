#include "core/display/cayley_graph.h"

#include <cstdio>
#include <initializer_list>

namespace quorix::graph {

namespace {

// Draws into a CayleyGraph with a current colour and pen, as on a drawing
// surface.
class Drawer {
public:
    Drawer(const std::vector<std::string>& names, const TextWidth& width, Colour initial)
        : names_(names), width_(width), colour_(initial) {}

    CayleyGraph graph;

    const std::string& Name(int k) const { return names_[static_cast<std::size_t>(k - 1)]; }
    int Order() const { return static_cast<int>(names_.size()); }

    void DrawNode(const std::string& label, long x, long y) {
        graph.nodes.push_back({label, x, y});
        graph.circles.push_back({x, y, kNodeRadius, colour_});
        colour_ = kBlack;
        const long w = static_cast<long>(width_ ? width_(label) : 0.0);
        graph.labels.push_back({label, x - w / 2, y - 50, colour_});
        colour_ = kWhite;
    }

    void DrawArrow(const std::string& label, long x, long y, std::initializer_list<std::string> steps) {
        colour_ = label == "B" ? kCyan : kWhite;
        Arrow a{label, x, y, {}, colour_};
        for (const std::string& s : steps)
            if (!s.empty()) a.path.push_back(s);
        penX_ = x;
        penY_ = y;
        for (std::size_t i = 0; i < a.path.size(); ++i) {
            const std::string& step = a.path[i];
            const long length = std::stol(step.substr(1));
            Segment(penX_, penY_, step[0], length, i == 0, i + 1 == a.path.size(), i == 0 ? label : std::string());
            MovePen(step[0], length);
        }
        graph.arrows.push_back(std::move(a));
    }

    // The row kinds; x0 is the first node's x.
    void TopRow(long x0, long y, int first, int last) {
        long x = x0;
        int right = 0;
        for (int i = first; i <= last; ++i) {
            DrawNode(Name(i), x, y);
            if (i < last) {
                DrawArrow(Name(2), x, y, {"E2000"});
                ++right;
            } else if (Order() > 1) {
                DrawArrow(Name(2), x, y, {"N1300", "W" + std::to_string(2000L * right), "S1300"});
            }
            x += 2000;
        }
    }

    void ReturnRow(long x0, long y, int first, int last) {
        long x = x0 + 2000L * (last - first);
        int left = 0;
        for (int i = last; i >= first; --i) {
            DrawNode(Name(i), x, y);
            DrawArrow(Name(first), x - 100, y - 2000, {"S2000"});
            DrawArrow(Name(first), x + 100, y, {"N2000"});
            if (i > first) {
                DrawArrow(Name(2), x, y, {"W2000"});
                ++left;
            } else {
                DrawArrow(Name(2), x, y, {"S1300", "E" + std::to_string(2000L * left), "N1300"});
            }
            x -= 2000;
        }
    }

    void CosetRow(long x0, long y, int first, int last, const std::string& label) {
        long x = x0;
        int right = 0;
        for (int i = first; i <= last; ++i) {
            DrawNode(Name(i), x, y);
            if (i == first || i == last)
                DrawArrow(label, x - 100, y - 2000, {"S2000"});
            else
                DrawArrow(label, x, y - 2000, {"S2000"});
            if (i < last) {
                DrawArrow(Name(2), x, y, {"E2000"});
                ++right;
            } else {
                DrawArrow(Name(2), x + 150, y, {"N1000", "W" + std::to_string(2000L * right), "S1000"});
            }
            x += 2000;
        }
    }

private:
    static void Direction(char d, long& dx, long& dy) {
        dx = d == 'E' ? 1 : d == 'W' ? -1 : 0;
        dy = d == 'S' ? 1 : d == 'N' ? -1 : 0;
    }

    void Segment(long x, long y, char d, long length, bool fromNode, bool toNode, const std::string& label) {
        long dx = 0, dy = 0;
        Direction(d, dx, dy);
        if (dx == 0 && dy == 0) return;
        if (fromNode) {
            x += dx * kNodeRadius;
            y += dy * kNodeRadius;
            length -= kNodeRadius;
        }
        if (toNode) length -= kNodeRadius + 20;
        const long ex = x + dx * length, ey = y + dy * length;
        graph.lines.push_back({x, y, ex, ey, colour_});
        if (toNode) {
            // Two strokes to the tip from 100 back along the line, 100 to either side.
            const long bx = ex - dx * 100, by = ey - dy * 100;
            graph.lines.push_back({bx + dy * 100, by + dx * 100, ex, ey, colour_});
            graph.lines.push_back({bx - dy * 100, by - dx * 100, ex, ey, colour_});
        }
        if (fromNode && !label.empty()) {
            long lx = x, ly = y;
            switch (d) {
                case 'E':
                    lx = x + 100;
                    ly = y - 250;
                    break;
                case 'W':
                    lx = x - 250;
                    ly = y - 250;
                    break;
                case 'N':
                    lx = x + 100;
                    ly = y - 250;
                    break;
                default:
                    lx = x - 200;
                    ly = y + 50;
                    break;
            }
            graph.labels.push_back({label, lx, ly, colour_});
        }
    }

    void MovePen(char d, long length) {
        long dx = 0, dy = 0;
        Direction(d, dx, dy);
        penX_ += dx * length;
        penY_ += dy * length;
    }

    const std::vector<std::string>& names_;
    const TextWidth& width_;
    Colour colour_;
    long penX_ = 0, penY_ = 0;
};

std::string FourDigits(long v) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%04ld", v);
    return buf;
}

}  // namespace

CayleyGraph LayOutCayleyGraph(int kind, const std::vector<std::string>& names, int m, int k, const TextWidth& textWidth,
                              Colour initial) {
    Drawer d(names, textWidth, initial);
    const int n = d.Order();
    if (n == 0 || kind < 1 || kind > 3 || (kind == 3 && (m < 1 || k < 1 || m * k != n))) {
        d.graph.message = kGraphNotImplemented;
        return std::move(d.graph);
    }
    if (kind == 1) {
        d.TopRow(500, 2000, 1, n);
    } else if (kind == 2) {
        const int h = n / 2;
        d.TopRow(500, 2000, 1, h);
        if (h < n) d.ReturnRow(500, 4000, h + 1, n);
    } else {
        const std::string label = m + 1 <= n ? d.Name(m + 1) : std::string();
        d.TopRow(1000, 2000, 1, m);
        int r = 2;
        for (; (r - 1) * m < n; ++r) d.CosetRow(1000, 2000L * r, (r - 1) * m + 1, r * m, label);
        const long t = static_cast<long>(k - 1) * 2000 + 750;
        for (int c = 1; c <= m; ++c) {
            const long x = 1000 + 2000L * (c - 1);
            if (c < m)
                d.DrawArrow(label, x, 2000L * k, {"S1000", "W750", "N" + FourDigits(t), "E840"});
            else
                d.DrawArrow(label, x, 2000L * k, {"S1000", "E750", "N" + FourDigits(t), "W840"});
        }
    }
    return std::move(d.graph);
}

}  // namespace quorix::graph
