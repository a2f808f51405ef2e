#pragma once
// The groups of order at most 20 as the Cayley-table search finds them with
// its default rules: one string of n*n single-character element names per
// group, orders ascending, each order in the order the search finds them.

#include <span>
#include <string_view>

namespace quorix {

std::span<const std::string_view> CatalogueTables();

}  // namespace quorix
