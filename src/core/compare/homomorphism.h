#pragma once
// Resumable search for homomorphisms from one group onto another.
//
// The mappings are produced in ascending lexicographic order of the image
// list (image of source element 1, 2, ..., n), one per call: the first call
// (resume = false) returns the smallest, each resumed call the next one, and
// false once there is none left. With equal orders every mapping found is an
// isomorphism.
//
// The search assigns the source elements in index order. An element that is
// a product of elements already mapped gets its image by closure instead of
// by trial, and a partial assignment is abandoned as soon as the closure
// contradicts itself, an element order does not fit, an image repeats (equal
// orders), the images can no longer cover the target, or the kernel of the
// mapped part cannot belong to an onto homomorphism.

#include <cstdint>
#include <string>
#include <vector>

#include "core/group/group.h"
#include "core/host/progress.h"

namespace quorix {

// A group's multiplication over its source indices, copied into flat
// integer tables. Index 1 must be the identity.
struct MultiplicationTable {
    int n = 0;
    // The product a·b (1-based) at [a * (n + 1) + b]: in `mul` up to 255
    // elements, in `wide` above.
    std::vector<std::uint8_t> mul;
    std::vector<std::uint16_t> wide;
    std::vector<int> order;  // order[a], 1-based; order[0] unused

    int Product(int a, int b) const {
        const auto i = static_cast<std::size_t>(a * (n + 1) + b);
        return wide.empty() ? mul[i] : wide[i];
    }
    void SetProduct(int a, int b, int product);
    // Moves the products to `wide` (for a search against a wide table).
    void Widen();
    // Room for the products of `elements` elements, all 0.
    void Allocate(int elements);

    static MultiplicationTable FromGroup(const Group& g);
    // products[a-1][b-1] = a·b (1-based values); element orders are computed.
    static MultiplicationTable FromProducts(const std::vector<std::vector<int>>& products);
};

// "i1 i2 ... in": decimal images joined by single spaces.
std::string MappingText(const std::vector<int>& images);
// The inverse of MappingText; empty on malformed text.
std::vector<int> ParseMappingText(const std::string& text);

class HomomorphismSearch {
public:
    // Starts afresh for the pair (source, target).
    void Start(const MultiplicationTable& source, const MultiplicationTable& target);
    // Advances to the next mapping. Returns false when there is none or when
    // a stop was requested through `progress` (then Exhausted() too).
    bool Next(Progress* progress = nullptr);
    // The images of the last mapping found, 1-based (slot 0 unused).
    const std::vector<int>& Images() const { return img_; }
    std::vector<int> Mapping() const { return {img_.begin() + 1, img_.end()}; }
    bool Exhausted() const { return exhausted_; }
    bool Started() const { return started_; }

private:
    bool Assign(int a, int b);  // closure after a -> b; false on contradiction
    // Assign over the two tables' entries (both of one width).
    template <class Entry>
    bool Close(int a, int b, const Entry* sourceProducts, const Entry* targetProducts);
    void UndoTo(std::size_t mark);
    bool FitsOrder(int a, int b) const;
    bool Viable() const;
    bool Descend();                // from k_, returns true at a complete mapping
    bool TryNextCandidate(int k);  // next candidate for free position k
    int PreviousFree(int k) const;
    bool Poll();
    Progress* progress_ = nullptr;

    MultiplicationTable a_, b_;
    bool equalOrders_ = false;
    bool started_ = false;
    bool exhausted_ = true;
    std::vector<int> img_;   // 0 = not yet mapped
    std::vector<int> uses_;  // uses_[b]: source elements mapped to b
    int distinctImages_ = 0;
    std::vector<int> trail_;         // mapped source elements, in mapping order
    std::size_t processed_ = 0;      // trail_[0..processed_) closed pairwise
    std::vector<std::size_t> mark_;  // trail size before position k was tried
    std::vector<int> candidate_;     // current trial image of free position k
    std::vector<char> free_;         // position k was assigned by trial
    int k_ = 0;
    std::uint32_t polls_ = 0;
};

// The search the comparison, the automorphism list and the mapping displays
// share, with the text of the last mapping found, so that a display shows
// the mapping the comparison found and "next" resumes it.
struct SharedHomomorphism {
    HomomorphismSearch search;
    std::string mappingText;
    Group::Identity source, target;  // the pair the search runs on
};

// True when a homomorphism from a onto b exists beyond the previous one
// (resume) or at all (fresh); mappingText is then set. A resumed call for a
// different pair of groups starts afresh. A stop requested through
// `progress` ends it with false.
bool FindHomomorphism(SharedHomomorphism& shared, const Group& a, const Group& b, std::string& mappingText, bool resume,
                      Progress* progress = nullptr);

// Equal orders only. Orders up to 20 use the group's own isomorphism test
// (leaving the mapping text alone); larger orders search, and the mapping
// found is left in shared.mappingText.
bool TestIsomorphic(SharedHomomorphism& shared, Group& x, Group& y, Progress* progress = nullptr);

}  // namespace quorix
