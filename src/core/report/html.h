#pragma once
// HTML building blocks of the view files: markup conversion, the anchor of
// the view being written, and the line writer over a file opened for
// appending.

#include <fstream>
#include <string>
#include <string_view>

namespace quorix {

// Markup to HTML: "%b" "/b" "%i" "/i" become tags, "@x" a subscript, "^x" a
// superscript, and a plain piece in an odd position of the alternation an
// exponent (<sup>). No bar survives.
std::string MarkupToHtml(std::string_view text);

// Sets the program-wide anchor from the current date and time (14 digits,
// yyyymmddhhmmss) and returns "<a name='" + anchor + "'>".
std::string Anchor();
// The anchor of the last view written ("" after ClearAnchor).
const std::string& CurrentAnchor();
void ClearAnchor();
// The anchor text for a given time, for tests.
std::string AnchorFor(int year, int month, int day, int hour, int minute, int second);

// Appends lines to a view file. Opening fails with InvalidArgument when the
// file cannot be written.
class ViewFile {
public:
    explicit ViewFile(const std::string& path);
    void WriteLine(std::string_view text);
    void Close();

private:
    std::ofstream out_;
};

}  // namespace quorix
