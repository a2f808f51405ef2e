#pragma once
// A Cayley table organised by the cosets of a subgroup: rows grouped into
// the left cosets gH, columns into the right cosets Hg. For a normal
// subgroup the two partitions agree and every block of the table holds a
// single coset, so the blocks form the quotient group's table.

#include <vector>

#include "core/group/group.h"

namespace quorix {

struct CosetOrder {
    // Reductive positions of g, in the order the table shows them.
    std::vector<int> rows;     // left cosets gH, one block after another
    std::vector<int> columns;  // right cosets Hg
    // |H|: rows and columns change block every blockSize entries.
    int blockSize = 1;
    int BlockCount() const { return blockSize > 0 ? static_cast<int>(rows.size()) / blockSize : 0; }
    // Every block (row block i, column block j) holds exactly the elements of
    // one row block; true exactly when H is normal.
    bool blocksFormTable = false;
    // When blocksFormTable: blockTable[i][j] is the row block the products of
    // row block i and column block j fall into (0-based); empty otherwise.
    std::vector<std::vector<int>> blockTable;
};

// The table order of g by the cosets of the subgroup h (positions of g).
// Each coset starts with its first element not yet listed (in `baseOrder`,
// positions of g in the table's own order; empty means 1..n), followed by
// its products with h's elements in that same order. Throws InvalidArgument
// when h is not a subgroup of g.
CosetOrder OrderByCosets(const Group& g, const ElementSet& h, const std::vector<int>& baseOrder = {});

}  // namespace quorix
