#pragma once
// A drawn graph of group elements as plain numbers: nodes (a labelled,
// filled circle each), edges between them (straight or bent, with or without
// an arrowhead, in the colour of what they stand for), a legend and notes.
// The Cayley diagram and the cycle graph both end as a Picture; SVG, TikZ
// and the desktop program's scene are written from it. Positions are in
// pixels with y growing downwards, margins included.

#include <cstdint>
#include <string>
#include <vector>

namespace quorix {
struct TableColour;
}

namespace quorix::diagram {

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Point {
    double x = 0, y = 0;
};

struct PictureNode {
    int position = 0;   // the element's reductive position
    std::string label;  // markup
    Point at;
    Rgb fill{255, 255, 255};
};

struct PictureEdge {
    int from = 0, to = 0;  // node indices
    int generator = -1;    // legend entry, -1 for none
    bool directed = true;
    // Sideways offset of the curve's middle as a fraction of its length
    // (0 straight; positive bends to the left of the direction of travel).
    double bend = 0;
    Rgb colour;
};

struct LegendEntry {
    std::string label;  // markup
    Rgb colour;
    bool directed = true;
};

struct Picture {
    std::string title;  // markup
    std::vector<PictureNode> nodes;
    std::vector<PictureEdge> edges;
    std::vector<LegendEntry> legend;
    std::vector<std::string> notes;  // plain text lines below the legend
    double nodeRadius = 14;
    double width = 0, height = 0;  // the whole picture
    double legendTop = 0;          // where the legend starts (below the nodes)
};

// Strong, well distinguished colours for edges, one per generator.
Rgb GeneratorColour(int index);
// An element's colour in the Cayley table, for a node.
Rgb ToRgb(const TableColour& colour);

// The radius a node needs for the longest of these labels.
double NodeRadiusFor(const std::vector<std::string>& labels);

// Estimated width in pixels of a markup label at the pictures' font size.
double LabelWidth(const std::string& label);

// Pushes apart, a little at a time, any two points closer than `spacing`
// (the first point stays where it is).
void Separate(std::vector<Point>& points, double spacing);

// Gives a bend to every edge that would run through another node or lie on
// top of another edge between the same two nodes.
void BendAroundNodes(Picture& picture);

// Moves the nodes so that the picture starts at its margins below the title,
// and sets the width, height and legend position.
void Frame(Picture& picture);

// The smallest distance between two node centres (infinity for fewer than
// two nodes).
double SmallestGap(const std::vector<Point>& points);

// The point of an edge's curve at parameter t (0 at the source, 1 at the
// target) and its control point; for drawing quadratic curves.
Point ControlPoint(const Point& a, const Point& b, double bend);

std::string ToSvg(const Picture& picture);
// A tikzpicture that fits a text width of about 16 cm; the element names
// in math mode.
std::string ToTikz(const Picture& picture);

}  // namespace quorix::diagram
