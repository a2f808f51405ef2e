#pragma once
// The character table of a group of at most kMaxGroupOrder elements, exact, from its
// Cayley table: the class multiplication coefficients are split into common
// eigenvectors modulo a prime p ≡ 1 (mod the exponent) (Dixon–Schneider),
// and each value is recovered from its reductions modulo p as a sum of roots
// of unity (the eigenvalues of a representing matrix). The table checks
// itself exactly: the squared degrees sum to |G| and both orthogonality
// relations hold in Q(ζ_e).

#include <string>
#include <vector>

#include "core/characters/cyclotomic.h"
#include "core/group/group.h"
#include "core/host/progress.h"

namespace quorix {

// One conjugacy class, a column of the table. Elements are reductive
// positions.
struct CharacterClass {
    std::string label;       // "1a", "2a", "2b", "3a", ...: element order and a letter
    int representative = 0;  // the lowest position of the class
    int size = 0;
    int elementOrder = 0;
    int centralizerOrder = 0;
    int inverseClass = 0;  // index of the class of the inverses
    ElementSet members;
};

struct Character {
    int degree = 0;
    int indicator = 0;  // Frobenius–Schur: +1, 0, -1
    ElementSet kernel;  // positions g with χ(g) = χ(1)
    int kernelOrder = 0;
    bool real = false;
    bool rational = false;
    std::vector<Cyclotomic> values;  // one per class
};

struct CharacterChecks {
    int sumOfSquaredDegrees = 0;  // equals |G|
    bool rowOrthogonality = false;
    bool columnOrthogonality = false;
    bool Pass(int order) const { return sumOfSquaredDegrees == order && rowOrthogonality && columnOrthogonality; }
};

struct CharacterTable {
    int groupOrder = 0;
    int exponent = 0;
    // Classes by element order, then size, then representative; characters
    // by degree, the trivial one first.
    std::vector<CharacterClass> classes;
    std::vector<Character> characters;
    CharacterChecks checks;
    bool halted = false;  // a stop was requested: no characters
};

// Reports "<done> of <classes> classes split..." and stops when asked.
CharacterTable ComputeCharacterTable(const Group& g, Progress& progress);

// The legend of the symbols the table's values use ("ζ_7 = e^(2πi/7)",
// "i = √-1", "√d: the positive square root of d"), one line each.
std::vector<std::string> CharacterLegend(const CharacterTable& table);

}  // namespace quorix

namespace quorix {

// The checks as sentences: "1² + 1² + 2² = 6 = |G|", "rows orthogonal: yes",
// "columns orthogonal: yes".
std::vector<std::string> CharacterCheckLines(const CharacterTable& table);

// "+", "0", "-".
std::string IndicatorText(int indicator);

}  // namespace quorix
