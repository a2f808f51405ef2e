#pragma once
// Orderings and relations of group IDs used by the group list and the
// deletion panel.

#include <string>
#include <string_view>
#include <vector>

namespace quorix::storage {
class GroupRegister;
}

namespace quorix::gui {

// True when `candidate` derives from `base`: base occurs in candidate and, at
// its first occurrence, the character before it (if any) and the character
// after it (if any) are each one of "(", ")", "x", "/".
bool DerivesFrom(std::string_view candidate, std::string_view base);

// Register positions (1-based) in the alphabetical order of the names the
// lists show (the IDs without their markup), numbers compared by value:
// S3, Subgroup3-1(Z6), Z2, Z6, Z12, Z60. A second group with an ID already
// taken is left out; `complete` is then false.
std::vector<int> AlphabeticalPositions(const std::vector<std::string>& ids, bool& complete);

// The register positions in the order a list shows them.
std::vector<int> ListedPositions(const storage::GroupRegister& groups, bool sequenceGenerated, bool& complete);

// The four-character flags of the deletion lists.
inline constexpr const char* kUserFlag = "    ";
inline constexpr const char* kDerivedFlag = "****";

}  // namespace quorix::gui
