#pragma once
// The table as a PNG picture, drawn by the desktop program's own table
// printer, so it looks as the group display saves it. Drawing needs Qt, and
// loading Qt would cost every run of the tool its start-up time; so the tool
// is built twice: quorix-report without Qt, and quorix-report-qt with it,
// installed beside it or under libexec/quorix. A run that asks for a picture
// is handed to the second build with the same command line.

#include <optional>
#include <string>
#include <vector>

#include "core/diagram/picture.h"
#include "core/group/group.h"

namespace quorix::cli {

// Whether this build draws pictures itself.
bool PngAvailable();

// Replaces this process by the drawing build with the same arguments; returns
// only when that fails, with the reason.
std::string RunDrawingBuild(const std::vector<std::string>& arguments);

// Draws the Row and Column table of g (colours, rows and columns in the
// cosets of organiseBy) and writes it to file; "" on success, otherwise why
// it failed. Only in the drawing build.
std::string WriteTablePng(const Group& g, const std::string& title, bool originalNames, bool colours,
                          const std::optional<ElementSet>& organiseBy, const std::string& file);

// Draws a diagram picture as the desktop program shows it and writes it to
// file; "" on success, otherwise why it failed. Only in the drawing build.
std::string WritePicturePng(const diagram::Picture& picture, const std::string& file);

}  // namespace quorix::cli
