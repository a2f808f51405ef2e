#pragma once
// Layout arithmetic of the picture-box panels, in twips, free of any toolkit
// so that it can be checked on its own.

namespace quorix::gui::layout {

// Panel extent after printing reached `pos`: the panel grows to pos + 1000
// and stops growing once pos reaches 31000.
long GrownExtent(long current, long pos);

// A picture box that no longer covers the panel after a resize is widened to
// the panel's edge, but never beyond 20000 through resizing.
long ResizedBoxExtent(long boxStart, long boxExtent, long panelExtent);

struct DragMove {
    bool move = false;  // the pointer has left the dead zone
    long dx = 0;
    long dy = 0;
};

// One mouse move of a drag: the box sits at (left, top) with the given size,
// the drag started at (startX, startY) in box coordinates and the pointer is
// at (x, y). A move of 10 or less in both directions moves nothing; the box
// never uncovers the panel at the right/bottom and never leaves 0 at the
// left/top.
DragMove ClampDrag(long left, long top, long width, long height, long panelWidth, long panelHeight, long startX,
                   long startY, long x, long y);

// The message notice: its size and where its pieces go. The notice is the
// text's width plus 1000 wide, at least 2600.
struct NoticeLayout {
    long width = 0, height = 0;
    long left = 0, top = 0;  // on the screen
    long textX = 0, textY = 0;
    long okLeft = 0, okTop = 0;
    long checkLeft = 0, checkTop = 0;
};
NoticeLayout LayoutMessageNotice(long textWidth, long screenWidth, long screenHeight, long buttonWidth);

}  // namespace quorix::gui::layout
