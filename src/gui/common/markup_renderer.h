#pragma once
// Draws markup text into a picture box at the box's print position.

#include <string>
#include <string_view>

namespace quorix::gui {

class PictureBox;

// How far exponents are drawn above the line and subscripts below it (twips).
inline constexpr long kMarkupShift = 80;

// Draws one markup text at the print position and advances x. When breakText
// is not empty a piece that contains it is broken after it once x has passed
// the print state's break column (29000 unless the panel sets it to its
// screen's width), continuing 300 lower at the start x. The panel holding the box then
// grows to show what was printed.
void PrintMarkup(PictureBox& box, std::string_view text, std::string_view breakText = {});

// How far PrintMarkup would advance x for the text, bold off at its start,
// in the box's current font size.
long MarkupAdvance(PictureBox& box, std::string_view text);

// Sum of the widths of all non-empty segments, codes included, in the box's
// current font.
int MarkupTextWidth(PictureBox& box, std::string_view text);

}  // namespace quorix::gui
