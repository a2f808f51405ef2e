#include "gui/storage/group_order.h"

namespace quorix::gui {

namespace {
bool isDelimiter(char c) { return c == '(' || c == ')' || c == 'x' || c == '/'; }
}  // namespace

bool DerivesFrom(std::string_view candidate, std::string_view base) {
    if (base.empty()) return false;
    const std::size_t at = candidate.find(base);
    if (at == std::string_view::npos) return false;
    if (at > 0 && !isDelimiter(candidate[at - 1])) return false;
    const std::size_t end = at + base.size();
    if (end < candidate.size() && !isDelimiter(candidate[end])) return false;
    return true;
}

std::vector<int> AlphabeticalPositions(const std::vector<std::string>& ids, bool& complete) {
    std::vector<int> out;
    const std::string* last = nullptr;
    while (true) {
        int best = -1;
        for (std::size_t i = 0; i < ids.size(); ++i) {
            if (last && !(ids[i] > *last)) continue;
            if (best < 0 || ids[i] < ids[static_cast<std::size_t>(best)]) best = static_cast<int>(i);
        }
        if (best < 0) break;
        out.push_back(best + 1);
        last = &ids[static_cast<std::size_t>(best)];
    }
    complete = out.size() == ids.size();
    return out;
}

}  // namespace quorix::gui
