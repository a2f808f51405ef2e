#include "gui/rings/operation_table.h"

#include <algorithm>

#include "core/group/group.h"
#include "gui/common/markup_renderer.h"
#include "gui/common/picture_box.h"

namespace quorix::gui {

namespace {

constexpr long kRingRowStep = 300;

void Frame(PictureBox& box, long left, long top, long split, long right, long rule, long bottom) {
    const auto d = [](long v) { return static_cast<double>(v); };
    box.drawLine(d(left), d(top), d(right), d(top));
    box.drawLine(d(left), d(rule), d(right), d(rule));
    box.drawLine(d(left), d(bottom), d(right), d(bottom));
    box.drawLine(d(left), d(top), d(left), d(bottom));
    box.drawLine(d(split), d(top), d(split), d(bottom));
    box.drawLine(d(right), d(top), d(right), d(bottom));
}

}  // namespace

PrintedTable PrintOperationTable(PictureBox& box, const Group& g, const std::function<int(int, int)>& op,
                                 const std::function<std::string(int)>& name, const std::string& title) {
    PrintedTable out;
    const int n = g.order();
    PrintState& ps = box.printState();
    const long x0 = ps.x, y0 = ps.y;
    ps.bold = true;
    PrintMarkup(box, title);
    ps.bold = false;
    const long titleRight = ps.x;
    long col = TableColumnWidth(box, g, false);
    for (int i = 1; i <= n; ++i) col = std::max(col, static_cast<long>(MarkupTextWidth(box, name(i))) + 300);
    const long top = y0 + kRingRowStep;
    for (int i = 0; i <= n; ++i)
        for (int j = 0; j <= n; ++j) {
            if (i == 0 && j == 0) continue;
            ps.x = x0 + col * j;
            ps.y = top + kRingRowStep * i;
            const int shown = i == 0 ? j : j == 0 ? i : op(i, j);
            PrintMarkup(box, name(shown));
        }
    const long right = x0 + col * (n + 1) - 100;
    const long bottom = top + kRingRowStep * (n + 1);
    Frame(box, x0 - 80, top - 20, x0 + col - 120, right, top + kRingRowStep - 20, bottom);
    out.right = std::max(titleRight, right);
    out.bottom = bottom;
    ps.x = x0;
    ps.y = bottom + kRingRowStep;
    return out;
}

}  // namespace quorix::gui
