#pragma once
// What the isomorphism, homomorphism and automorphism display panels read:
// the image of each element of group 1 and how the mapping list is split
// into columns.

#include <string>
#include <vector>

#include "core/group/group.h"

namespace quorix {

// Image (source index of g2) of each source index 1..n of g1, slot 0 unused.
// Up to order 20 from g2's isomorphism test; above from the mapping text.
// Empty when there is no isomorphism or the text does not fit.
std::vector<int> IsomorphismImages(Group& g1, Group& g2, const std::string& mappingText);
// From a mapping text ("1 3 2 4"); slot 0 unused; empty when malformed.
std::vector<int> MappingImages(const std::string& mappingText);
// From an automorphism code ("1324", "1BA..."); slot 0 unused.
std::vector<int> AutomorphismImages(const std::string& code);

// Lines in the first column of a mapping list of n elements: all of them up
// to 10, otherwise those i with i <= n / 2.
int FirstColumnLength(int n);

// The description of element i of a "Rows(...)" / "Columns(...)" group shown
// by the isomorphism panel: row (or column) i of g2's Cayley table in source
// names, joined without separators, with its label:
// "<names> (from Row #i):       ". Empty when g1's ID starts with neither.
std::string RowColumnDescription(const Group& g1, const Group& g2, int i);

}  // namespace quorix
