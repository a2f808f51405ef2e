#pragma once
// The Cayley graph of a small group as drawn pieces: one circle per element
// labelled with its name, and arrows for the multiplication by a generator,
// each labelled with the generator's name. Three layouts: a cyclic group as
// one row closed by a return arrow (kind 1), a dihedral group as two rows
// joined by vertical arrows both ways (kind 2), and a direct product of two
// factors as one row per coset of the first factor (kind 3). Positions are
// in twips with y growing downwards; the caller paints the pieces.

#include <functional>
#include <string>
#include <vector>

namespace quorix::graph {

struct Colour {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};
inline constexpr Colour kWhite{255, 255, 255};
inline constexpr Colour kCyan{0, 255, 255};
inline constexpr Colour kBlack{0, 0, 0};

inline constexpr long kNodeRadius = 350;

struct Circle {
    long x = 0, y = 0, radius = kNodeRadius;
    Colour colour;
};

struct Line {
    long x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Colour colour;
};

// A markup text whose top left is at (x, y).
struct Label {
    std::string text;
    long x = 0, y = 0;
    Colour colour;
};

// One element: its circle and name.
struct Node {
    std::string name;
    long x = 0, y = 0;
};

// One arrow as laid out: where it leaves, its path steps ("E2000", "N1300",
// ...) and its label; its lines, arrowhead and label are among the pieces.
struct Arrow {
    std::string label;
    long x = 0, y = 0;
    std::vector<std::string> path;
    Colour colour;
};

struct CayleyGraph {
    std::vector<Node> nodes;
    std::vector<Arrow> arrows;
    // The drawn pieces, in drawing order within each list.
    std::vector<Circle> circles;
    std::vector<Line> lines;    // arrow segments and arrowhead strokes
    std::vector<Label> labels;  // node names and arrow labels
    // Not empty when the kind has no layout: the text to show instead.
    std::string message;
};

// Width of a markup text in twips, as it will be painted.
using TextWidth = std::function<double(const std::string&)>;

// names[k - 1] is the name of element k (reductive position), element 1 the
// identity and element 2 the first generator. kind: 1 cyclic, 2 dihedral,
// 3 direct product with factor orders m and k (m * k = names.size());
// anything else gives the message only. `initial` is the colour of the first
// circle, drawn before any colour is chosen.
CayleyGraph LayOutCayleyGraph(int kind, const std::vector<std::string>& names, int m, int k, const TextWidth& textWidth,
                              Colour initial = kWhite);

inline constexpr const char* kGraphNotImplemented = "Graph not yet implemented.";

}  // namespace quorix::graph
