#pragma once
// The subgroup lattice of a group of order at most kMaxGroupOrder: one node per
// subgroup (or, in the classes view, one per class of conjugate subgroups),
// an edge from each subgroup to each of its maximal subgroups, and a layout
// as plain numbers that the caller paints: one layer per subgroup order
// (the group on top, the trivial subgroup at the bottom), each node a box
// that holds its order and name, conjugate subgroups side by side in one
// colour. An edge that skips layers bends through free places in the layers
// between, so that no edge meets a box other than its own two ends; the
// order in each layer is chosen by barycentre sweeps to reduce crossings.
// Positions are in twips, y growing downwards.

#include <string>
#include <utility>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/group/group.h"
#include "core/host/progress.h"

namespace quorix::lattice {

// A group with more subgroups than this opens in the classes view.
inline constexpr int kClassesViewThreshold = 100;

enum class View {
    Automatic,  // classes only when there are more than kClassesViewThreshold subgroups
    Subgroups,
    ClassesOnly,
};

struct Colour {
    int red = 255, green = 255, blue = 255;
    friend bool operator==(const Colour&, const Colour&) = default;
};

// Every box has the same height; its width fits its label (at most about
// kLabelCharWidth twips a character).
inline constexpr long kBoxHeight = 600;
inline constexpr long kMinBoxWidth = 600;
inline constexpr long kLabelCharWidth = 130;
inline constexpr long kLayerGap = 700;  // free space between the boxes of two layers
inline constexpr long kMargin = 400;

struct Point {
    long x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Node {
    ElementSet members;  // over the group's reductive positions (a class: its first member)
    int order = 0;
    bool normal = false;
    int subgroupClass = 0;  // 0-based class number (classes in subgroup-list order)
    int classSize = 1;      // subgroups in the class
    int layer = 0;          // 0 = the group itself
    long x = 0, y = 0;      // centre of the box
    long width = kMinBoxWidth, height = kBoxHeight;
    Colour colour;
    std::string catalogue;  // "#8-4" for subgroups of order <= 20 once named, else ""
    std::string name;       // conventional name (markup), else ""
};

struct Lattice {
    std::vector<Node> nodes;
    // Node indices (larger subgroup first, its maximal subgroup second).
    std::vector<std::pair<int, int>> edges;
    // For each edge, the line to draw: from the bottom middle of the larger
    // subgroup's box through its bends to the top middle of the other's.
    std::vector<std::vector<Point>> routes;
    bool classesOnly = false;
    int subgroupCount = 0;
    int classCount = 0;
    long width = 0, height = 0;  // extent of the layout with its margins
    bool halted = false;         // a stop was requested: nodes and edges are empty
};

// Builds the lattice of g (order at most kMaxGroupOrder, else InvalidArgument). Yields
// to the progress object during the subgroup enumeration and the class
// computation.
Lattice BuildLattice(const Group& g, View view, Progress& progress);

// Names the nodes of order at most 20 through the catalogue (one
// identification per class) and lays the lattice out again with room for the
// names. g must be the group the lattice was built for.
void NameNodes(Lattice& lattice, const GroupPtr& g, Catalogue& catalogue, Progress& progress);

// Sets the boxes, positions, routes and extent from the nodes' layers,
// classes and labels (BuildLattice and NameNodes call it). Deterministic.
void LayOut(Lattice& lattice);

// The node's label: its order and, when known, its conventional name.
std::string NodeLabel(const Node& node);
// The first line in the node's box: the order, in the classes view with the
// number of conjugates ("12 (3)").
std::string OrderText(const Lattice& lattice, const Node& node);

// The node's elements in g's original names (plain text), ascending source index.
std::vector<std::string> NodeElements(const Group& g, const Node& node);

// The lattice as an SVG document (plain text, no markup) and as a Graphviz
// graph; every node carries its elements as a tooltip / attribute.
std::string ToSvg(const Lattice& lattice, const Group& g, const std::string& title);
std::string ToDot(const Lattice& lattice, const Group& g, const std::string& title);
// The lattice as a tikzpicture at most 16 cm wide, for LaTeX notes.
std::string ToTikz(const Lattice& lattice, const std::string& title);

}  // namespace quorix::lattice
