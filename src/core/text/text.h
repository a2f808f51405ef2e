#pragma once
// Small text routines every layer reads files and input with.

#include <optional>
#include <string>
#include <string_view>

namespace quorix::text {

// Without leading and trailing spaces and tabs.
std::string_view TrimBlanks(std::string_view s);
// Without leading and trailing white space of any kind.
std::string_view TrimSpace(std::string_view s);

// A whole number in decimal digits only ("010" is ten); nothing for signs,
// blanks, other characters or a number beyond int.
std::optional<int> ParseDigits(std::string_view s);
// The same with an optional leading "-".
std::optional<int> ParseInteger(std::string_view s);

// Every occurrence of `from` in `s` replaced by `to`.
std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to);

}  // namespace quorix::text
