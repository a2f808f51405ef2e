#pragma once
// Orderings and relations of group IDs used by the group list and the
// deletion panel. Free of any toolkit.

#include <string>
#include <string_view>
#include <vector>

namespace quorix::gui {

// True when `candidate` derives from `base`: base occurs in candidate and, at
// its first occurrence, the character before it (if any) and the character
// after it (if any) are each one of "(", ")", "x", "/".
bool DerivesFrom(std::string_view candidate, std::string_view base);

// Register positions (1-based) in alphabetical order of their IDs: each scan
// of the whole list takes the smallest ID strictly greater than the one
// taken last (byte-wise comparison). With duplicate IDs the result holds
// fewer positions than there are IDs; `complete` is then false.
std::vector<int> AlphabeticalPositions(const std::vector<std::string>& ids, bool& complete);

// The four-character flags of the deletion lists.
inline constexpr const char* kUserFlag = "    ";
inline constexpr const char* kDerivedFlag = "****";

}  // namespace quorix::gui
