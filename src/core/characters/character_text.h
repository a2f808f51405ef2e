#pragma once
// The character table as text for pictures and documents: values with
// Unicode sub- and superscripts (ζ₇², for drawing) or in LaTeX, and the whole
// table as a LaTeX tabular.

#include <string>
#include <vector>

#include "core/characters/character_table.h"

namespace quorix {

// "ζ_7^2" as "ζ₇²" (the text of Cyclotomic::Text with "_n" and "^r" set
// as sub- and superscript digits).
std::string ValueUnicode(const std::string& text);
// "(-1+√5)/2" as "\frac{-1+\sqrt{5}}{2}", "ζ_7^2" as "\zeta_{7}^{2}".
std::string ValueLatex(const std::string& text);

// A LaTeX tabular: the class labels, representatives (names as given, one
// per class, plain text), class sizes and centralizer orders over the
// characters χ_1, χ_2, ...; the legend follows as a line under the table.
std::string CharacterTableLatex(const CharacterTable& table, const std::vector<std::string>& representatives);

// The normal subgroups of g as unions of the given classes (sets of
// positions), ascending by order, at most `limit` of them: every normal
// subgroup is the product of the normal closures of its classes.
std::vector<ElementSet> NormalSubgroupsFromClasses(const Group& g, const std::vector<ElementSet>& classes, int limit);

}  // namespace quorix
