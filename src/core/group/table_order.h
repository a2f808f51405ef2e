#pragma once
// The order of a Cayley table the search fills: what the user types for it,
// wherever it is typed (the order box, the preferences, the tool).

#include <optional>
#include <string_view>

namespace quorix {

inline constexpr const char* kOrderMessage = "Order must be an integer from 1 to 20.";

// Decimal digits, white space around them allowed, from 1 to 20.
std::optional<int> ParseTableOrder(std::string_view text);

}  // namespace quorix
