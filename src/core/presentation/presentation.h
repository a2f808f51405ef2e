#pragma once
// A group given by generators and relations, as a student writes it:
//   <a,b | a^4, b^2, (ab)^2>
//   <a,b | a^7 = b^3 = 1, bab^-1 = a^2>
//   <x,y | x^2, y^3, [x,y]^2>
// Generators are single letters. A word juxtaposes generators, "(...)" and
// commutators "[u,v]" (= u^-1 v^-1 u v; "[u,v,w]" is "[[u,v],w]"), each
// with any number of integer exponents ("^3", "^-1"); "*" may stand between
// factors and "1" is the empty word. A relation is a relator, an equation
// "u = v" or a chain "u = v = w". Blanks are ignored.

#include <string>
#include <string_view>
#include <vector>

namespace quorix {

// A letter of a word: generator g (0-based) is 2g, its inverse 2g + 1.
using Word = std::vector<int>;

inline constexpr int InverseLetter(int letter) { return letter ^ 1; }

struct Presentation {
    std::string generators;      // one letter per generator, in the order written
    std::vector<Word> relators;  // freely and cyclically reduced, empty ones dropped
};

// The longest relator, once exponents are expanded.
inline constexpr std::size_t kMaxRelatorLength = 10000;

// A description that is a presentation: it starts (after blanks) with "<".
bool IsPresentation(std::string_view text);

// The text without blanks: the form the register stores.
std::string CompactPresentation(std::string_view text);

// Reads a presentation. Throws InvalidArgument naming the place of the first
// fault: a syntax error (with its character position), a generator named
// twice or not a letter, a relation that uses a letter that is not a
// generator, an exponent or relator too long.
Presentation ParsePresentation(std::string_view text);

// Writes a word in markup: runs of one letter as powers ("a|2|b|-1|"), the
// empty word as "1".
std::string WordName(const Word& word, const std::string& generators);

}  // namespace quorix
