#pragma once
// HTML building blocks of the view files: markup conversion, the anchor of
// a view, and the line writer over a file opened for appending.

#include <string>
#include <string_view>

namespace quorix {

// Markup to HTML: "%b" "/b" "%i" "/i" become tags, "@x" a subscript, "^x" a
// superscript, and a plain piece in an odd position of the alternation an
// exponent (<sup>). No bar survives. Characters that HTML reserves ("<",
// ">", "&", quotes) are escaped, so element names typed by a user show as
// typed.
std::string MarkupToHtml(std::string_view text);

// The anchor of a view written now: the date and time as 14 digits,
// yyyymmddhhmmss.
std::string AnchorNow();
// The same for a given time.
std::string AnchorFor(int year, int month, int day, int hour, int minute, int second);
// "<a name='" + anchor + "'>".
std::string AnchorTag(const std::string& anchor);

// Appends one document to a view file. The lines are gathered and written
// by Close() in one checked write that leaves the old file intact when it
// fails (text::FileError). The constructor refuses (FileError) a path that
// cannot be written, before any work.
class ViewFile {
public:
    // Appends to the file (creating it), or replaces it. A deferred file is
    // only collected: its text is taken by TakeText and written by the
    // caller (WriteViewDocument), so that the writing can be done elsewhere.
    explicit ViewFile(const std::string& path, bool replace = false, bool deferred = false);
    void WriteLine(std::string_view line);
    void Close();
    std::string TakeText();

private:
    std::string path_;
    std::string text_;
    bool replace_ = false;
};

// Writes a document collected by a deferred ViewFile: appended to the file
// (creating it), or replacing it.
void WriteViewDocument(const std::string& path, const std::string& text, bool replace);

}  // namespace quorix
