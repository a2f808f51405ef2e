#pragma once
// The automorphisms of a group of order at most 15, written as codes: the
// i-th character of a code is the symbol ("123456789ABCDEF") of the image of
// source element i. The inner ones are marked with the first element that
// induces them, and Aut(G) / Inn(G) are built as permutation groups on the
// symbols.

#include <string>
#include <vector>

#include "core/compare/registrar.h"
#include "core/group/group.h"

namespace quorix {

inline constexpr int kAutomorphismOrderLimit = 15;
inline constexpr int kAutomorphismListLimit = 120;
inline constexpr const char* kAutomorphismOrderMessage = "Order of chosen group exceeds program limit of 15.";
inline constexpr const char* kAutomorphismMarkingError = "Program Error (dglAutomorphismGroups)";

// "1 2 10" -> "12A": indices up to 9 as digits, 10.. as 'A'...
std::string CompactMappingCode(const std::string& mappingText);
void AppendElementCode(std::string& code, int index);
// The index of one code character ('1'..'9', 'A'..); 0 for anything else.
int ElementCodeIndex(char c);

struct AutomorphismEntry {
    bool inner = false;
    std::string code;
};

struct AutomorphismList {
    // At most 121 entries; 121 means "more than 120", and only the first 120
    // are shown. After marking: the outer ones in enumeration order, then the
    // inner ones in the order the conjugating elements first gave them.
    std::vector<AutomorphismEntry> entries;
    int innerCount = 0;
    // representatives[k-1]: source name of the first z inducing the k-th inner one.
    std::vector<std::string> representatives;
    bool markingFailed = false;  // an inner one was missing: the panel shows kAutomorphismMarkingError

    bool Complete() const { return static_cast<int>(entries.size()) <= kAutomorphismListLimit; }
    int Count() const { return static_cast<int>(entries.size()); }
};

// The enumeration alone (entries unmarked, all "N"), in ascending order of
// the image lists; the first is the identity.
AutomorphismList EnumerateAutomorphisms(const Group& g);

// Marks the inner automorphisms (x -> z x z^-1 for z = 1..n). An inner code
// missing from a cut list shows the program-error message and stops.
void MarkInnerAutomorphisms(const Group& g, AutomorphismList& list);

// Enumeration and marking. Throws InvalidArgument with the limit message for
// a group of order 16 or more.
AutomorphismList ComputeAutomorphisms(const Group& g);

// The symbol row "123..." of a group of order n.
std::string SymbolRow(int n);

// |Aut(G)| and |Inn(G)| without the listing limit (any order the search can
// take; meant for small groups).
struct AutomorphismCounts {
    long aut = 0;
    int inn = 0;
};
AutomorphismCounts CountAutomorphisms(const Group& g);

enum class AutomorphismKind { Auto, Inner };

// Generators of Aut(G) (every entry, inner first) or Inn(G) (inner only).
std::vector<std::string> AutomorphismGeneratorCodes(const AutomorphismList& list, AutomorphismKind kind);

// Builds Aut(G) or Inn(G) as a permutation group, names it "Aut(ID)" or
// "Inn(ID)" and registers it.
GroupPtr GenerateAutomorphismGroup(const Group& g, const AutomorphismList& list, AutomorphismKind kind,
                                   const GroupRegistrar& registrar);

}  // namespace quorix
