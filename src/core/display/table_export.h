#pragma once
// A Cayley table as the table panels, the picture export and the command
// line show it: its row and column order (the group's own or by the cosets
// of a subgroup), the colour of each element, and the table written as
// LaTeX (a tabular) or SVG text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/coset_order.h"
#include "core/group/group.h"

namespace quorix {

// The colour of one element: a light background of its own hue and a text
// colour readable on it.
struct TableColour {
    double hue = 0;  // degrees, 0 <= hue < 360
    std::uint8_t red = 255, green = 255, blue = 255;
    std::uint8_t textRed = 0, textGreen = 0, textBlue = 0;
    std::string Hex() const;      // "RRGGBB" of the background
    std::string TextHex() const;  // "RRGGBB" of the text
};

// n colours with evenly spaced hues (the k-th element, 0-based, gets hue
// 360 k / n), light enough for dark text.
std::vector<TableColour> ElementColours(int n);

// The contrast ratio of two colours (1 to 21), as the readability rules
// for text measure it.
double ContrastRatio(std::uint8_t r1, std::uint8_t g1, std::uint8_t b1, std::uint8_t r2, std::uint8_t g2,
                     std::uint8_t b2);

struct TableOptions {
    bool originalNames = false;  // source names in source order
    bool colours = false;
    std::optional<ElementSet> organiseBy;  // positions of a subgroup of g
};

struct TableLayout {
    // Positions of g in the order of the rows and columns.
    std::vector<int> rows, columns;
    // Element names by position (index 0 unused), markup kept.
    std::vector<std::string> names;
    // Colours by position (index 0 unused); empty without colours.
    std::vector<TableColour> colours;
    // Organised by cosets: the block size |H| (0 when not organised) and
    // the coset order itself.
    int blockSize = 0;
    std::optional<CosetOrder> cosets;
    // Lines to show below the table (what the blocks are), plain text.
    std::vector<std::string> caption;
};

// Throws InvalidArgument when organiseBy is not a subgroup of g.
TableLayout MakeTableLayout(const Group& g, const TableOptions& options);

// A name in markup as LaTeX math: exponents ^{..}, subscripts _{..},
// special characters escaped.
std::string MarkupToLatex(std::string_view text);

// A tabular with one header column and a column per element, names in
// math mode, rules between coset blocks; coloured cells use \cellcolor
// (xcolor with the table option).
std::string TableLatex(const Group& g, const TableLayout& layout);

// The table as a tikzpicture: one cell per product, coloured cells filled,
// thick rules between coset blocks.
std::string TableTikz(const Group& g, const TableLayout& layout);

// A standalone SVG picture of the table with `title` above it.
std::string TableSvg(const Group& g, const TableLayout& layout, const std::string& title);

}  // namespace quorix
