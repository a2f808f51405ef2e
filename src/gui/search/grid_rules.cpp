#include "gui/search/grid_rules.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

namespace quorix::gui::grid {

Geometry ComputeGeometry(bool manualEntry, int longestNameLength) {
    Geometry g;
    if (!manualEntry) return g;
    const long L = longestNameLength;
    g.cellWidth = std::max(200 * L + 15, 615L);
    g.maxLength = longestNameLength;
    g.firstColumn = std::max(260 * L, 255L) + 225;
    g.pitch = g.cellWidth + 105;
    return g;
}

int NextCellIndex(int index, int n) {
    if (index == (n - 1) * 21) return 21;
    if (ColumnOf(index) < n) return index + 1;
    return index + 22 - n;
}

std::optional<char> FilterCodeKey(char key, int n) {
    if (key >= 'A' && key <= 'Z') key = static_cast<char>(key - 'A' + 'a');
    if (key == '1' && n >= 1) return key;
    if (key >= 'a' && key <= 's' && key - 'a' + 2 <= n) return key;
    return std::nullopt;
}

}  // namespace quorix::gui::grid
