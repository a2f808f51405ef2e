#pragma once
// The fill of the search without reasons, kept incrementally across trials.
//
// The deductions of the fill (last gap of a row or column, uniqueness of
// inverses, associativity, the last gap of a subgroup block's row or column)
// and its contradictions are all monotone: a deduction valid for a partial
// table stays valid for every consistent extension, and a contradiction
// found in a partial table stays in every extension. So the table reached by
// applying deductions until nothing follows is the same whatever order they
// are applied in, and a contradiction arises in one order exactly when it
// arises in any other. This class keeps, for every prefix of the trial table
// in visiting order, the deduced table of that prefix on an undo trail; a
// new trial re-examines only the lines and triples that the changed cells
// touch.
//
// Tables hold element indices 1..n, 0 for empty (see CayleySearch). Row 1
// and column 1 are taken to be the identity's.

#include <array>
#include <cstdint>
#include <vector>

namespace quorix {

class IncrementalFill {
public:
    static constexpr int kSize = 21;
    using Table = std::array<std::array<std::uint8_t, kSize>, kSize>;

    struct Block {
        int first = 0, last = 0, order = 0;
    };
    struct Rules {
        int n = 1;
        bool elementOrders = false;  // rule 0: orders divide n (and block orders with rule 3)
        bool cyclicOnly = false;     // rule 2 after the cyclic group: no order above maxOrder
        int maxOrder = 0;
        bool blocks = false;  // rule 3: subgroup blocks
        std::vector<Block> blockList;
    };

    // Sets the rules and order; the state becomes the deduced table of the
    // identity row and column alone.
    void Configure(const Rules& rules);

    // Brings the deduced table in line with `trial`: positions (visiting
    // order, 0-based) below firstChanged are as at the previous call;
    // `filled` is the number of non-empty searched cells of `trial`.
    // Returns false on a contradiction.
    bool Fill(const Table& trial, int firstChanged, int filled);

    // The deduced table after a successful fill.
    const Table& DeducedTable() const { return w_; }

private:
    bool Assign(int r, int c, int v);
    bool Process(int r, int c);
    bool CheckOrders();
    bool CheckBlockRow(int k, int r);
    bool CheckBlockColumn(int k, int c);
    void UndoTo(std::size_t mark);

    Rules rules_;
    int n_ = 1;
    std::uint32_t full_ = 0;  // bits 1..n
    Table w_{};
    std::array<std::uint32_t, kSize> rowHas_{}, colHas_{}, rowEmpty_{}, colEmpty_{};
    std::array<std::array<std::uint8_t, kSize + 1>, kSize> rowPos_{};  // [row][value] -> column
    std::array<std::uint32_t, kSize + 1> valueRows_{};                 // [value] -> rows that hold it
    std::array<std::array<std::uint8_t, kSize + 1>, kSize> colPos_{};  // [column][value] -> row
    std::array<std::uint32_t, kSize + 1> valueCols_{};                 // [value] -> columns that hold it
    std::vector<std::uint16_t> trail_;                                 // cells assigned, r * 32 + c
    std::size_t queue_ = 0;                                            // next trail entry to process
    std::uint32_t dirtyColumns_ = 0;
    std::array<std::uint32_t, kSize> blockOfElement_{};  // bit k: element lies in block k
    std::vector<std::uint32_t> blockMask_;               // elements of block k (without 1)
    std::array<int, kSize> orderBound_{};                // block order of the first block holding x (0: none)

    // Per position: trail size before it was applied, filled cells before it.
    std::vector<std::size_t> mark_;
    std::vector<int> filledBefore_;
    std::vector<std::uint16_t> cellOf_;  // position -> r * 32 + c
    int valid_ = 0;                      // positions below are applied
};

}  // namespace quorix
