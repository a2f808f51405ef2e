#pragma once
// A grid of any binary operation on a group's elements (a ring's
// multiplication, say), in the layout of the Cayley table grid: the elements
// in reductive order along the top and down the left, names as the group
// display shows them.

#include <functional>
#include <string>

#include "gui/display/cayley_table.h"

namespace quorix::gui {

// op(a, b): the reductive position of a * b for positions a, b (1-based).
// Prints at the box's print position (title first) like PrintCayleyTable.
PrintedTable PrintOperationTable(PictureBox& box, const Group& g, const std::function<int(int, int)>& op,
                                 const std::string& title);

}  // namespace quorix::gui
