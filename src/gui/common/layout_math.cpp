#include "gui/common/layout_math.h"

#include <algorithm>
#include <cstdlib>

namespace quorix::gui::layout {

long GrownExtent(long current, long pos) { return pos < 31000 ? std::max(current, pos + 1000) : current; }

long ResizedBoxExtent(long boxStart, long boxExtent, long panelExtent) {
    if (boxStart + boxExtent < panelExtent) return std::min(panelExtent - boxStart, 20000L);
    return boxExtent;
}

DragMove ClampDrag(long left, long top, long width, long height, long panelWidth, long panelHeight, long startX,
                   long startY, long x, long y) {
    DragMove m;
    if (std::labs(x - startX) <= 10 && std::labs(y - startY) <= 10) return m;
    m.move = true;
    m.dx = x - startX;
    m.dy = y - startY;
    if (m.dx < 0 && left + width + m.dx < panelWidth)
        m.dx = panelWidth - left - width;
    else if (m.dx > 0 && left + m.dx > 0)
        m.dx = -left;
    if (m.dy < 0 && top + height + m.dy < panelHeight)
        m.dy = panelHeight - top - height;
    else if (m.dy >= 1 && top + m.dy > 0)
        m.dy = -top;
    return m;
}

NoticeLayout LayoutMessageNotice(long textWidth, long screenWidth, long screenHeight, long buttonWidth) {
    NoticeLayout n;
    n.height = 2100;
    n.width = std::max(textWidth + 1000, 2600L);
    n.left = screenWidth / 2 - n.width / 2;
    n.top = screenHeight / 2 - n.height / 2;
    n.textY = 200;
    n.textX = n.width / 2 - textWidth / 2;
    n.okLeft = n.width / 2 - buttonWidth / 2;
    n.okTop = 200 + 500;
    n.checkLeft = 100;
    n.checkTop = 200 + 1100;
    return n;
}

}  // namespace quorix::gui::layout
