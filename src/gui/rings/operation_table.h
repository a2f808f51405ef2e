#pragma once
// A grid of any binary operation on a group's elements (a ring's addition and
// multiplication, say), in the layout of the Cayley table grid: the elements
// in reductive order along the top and down the left, named by the caller.

#include <functional>
#include <string>

#include "gui/display/cayley_table.h"

namespace quorix::gui {

// op(a, b): the reductive position of a * b for positions a, b (1-based);
// name(a): the markup name of position a. Prints at the box's print position
// (title first) like PrintCayleyTable.
PrintedTable PrintOperationTable(PictureBox& box, const Group& g, const std::function<int(int, int)>& op,
                                 const std::function<std::string(int)>& name, const std::string& title);

}  // namespace quorix::gui
