#pragma once
// Draws markup text into a picture box at the program-wide print position.

#include <string>
#include <string_view>

namespace quorix {
class Group;
}

namespace quorix::gui {

class PictureBox;

// The renderer's program-wide state, in twips.
struct PrintState {
    long x = 0;                    // where the next text starts
    long y = 0;                    // top of the current line
    bool bold = false;             // switched by "%b"/"/b", kept between calls
    bool italicCorrection = false; // the italic font needs no gap after "/i"
};
PrintState& printState();

// Draws one markup text at the print position and advances x. When breakText
// is not empty a piece that contains it is broken after it once x has passed
// 29000, continuing 300 lower at the start x. The panel holding the box then
// grows to show what was printed.
void PrintMarkup(PictureBox& box, std::string_view text, std::string_view breakText = {});

// Sum of the widths of all non-empty segments, codes included, in the box's
// current font.
int MarkupTextWidth(PictureBox& box, std::string_view text);

// "{" + names of elements 1..Order joined by ", " + "}".
std::string ElementSetText(const Group& group, bool useMapped);

}  // namespace quorix::gui
