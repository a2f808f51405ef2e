#pragma once
// Layout and keyboard rules of the search grid, free of any toolkit.

#include <optional>

namespace quorix::gui::grid {

inline constexpr int kGridSize = 20;    // cells per row of the control array
inline constexpr long kGridTop = 1320;  // twips
inline constexpr long kRowPitch = 360;
inline constexpr long kCellHeight = 315;

struct Geometry {
    long cellWidth = 615;
    int maxLength = 1;       // 0: no limit
    long firstColumn = 480;  // left of column 1
    long pitch = 720;        // column pitch
};

// Outside manual entry a cell takes one character; in manual entry its width
// follows the longest element name L (no limit while L is 0).
Geometry ComputeGeometry(bool manualEntry, int longestNameLength);

inline long CellLeft(const Geometry& g, int column) { return g.firstColumn + (column - 1) * g.pitch; }
inline long CellTop(int row) { return kGridTop + (row - 1) * kRowPitch; }
inline int CellIndex(int row, int column) { return (row - 1) * kGridSize + (column - 1); }
inline int RowOf(int index) { return index / kGridSize + 1; }
inline int ColumnOf(int index) { return index % kGridSize + 1; }

// The cell the cursor moves to after an entry in `index` for order n:
// right along the row, from column n to column 2 of the next row, and from
// (n, n) back to (2, 2).
int NextCellIndex(int index, int n);

// A typed character while element codes are in use: a capital letter counts
// as the small one; the result is the code when it is one of the first n
// codes ("1", "a", ...), nothing otherwise.
std::optional<char> FilterCodeKey(char key, int n);

}  // namespace quorix::gui::grid
