#pragma once
// The table as a PNG picture, drawn by the desktop program's own table
// printer, so it looks as the group display saves it. It needs Qt, so it
// exists only in builds that include the desktop program; elsewhere
// PngAvailable() is false and the verb refuses --png.

#include <optional>
#include <string>

#include "core/group/group.h"

namespace quorix::report {

bool PngAvailable();
inline constexpr const char* kPngUnavailable = "PNG pictures need the build with the desktop program";

// Draws the Row and Column table of g (colours, rows and columns in the
// cosets of organiseBy) and writes it to file; "" on success, otherwise why
// it failed.
std::string WriteTablePng(const Group& g, const std::string& title, bool originalNames, bool colours,
                          const std::optional<ElementSet>& organiseBy, const std::string& file);

}  // namespace quorix::report
