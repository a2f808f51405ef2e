#include "gui/storage/group_order.h"

#include <QCollator>
#include <QString>
#include <algorithm>
#include <numeric>
#include <set>

#include "core/storage/group_register.h"
#include "core/text/markup.h"

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
    QCollator collator{QLocale(QLocale::English)};
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseSensitive);
    std::vector<QString> shown;
    for (const std::string& id : ids) shown.push_back(QString::fromStdString(markup::StripMarkup(id)));
    std::vector<int> order(ids.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = collator.compare(shown[static_cast<std::size_t>(a)], shown[static_cast<std::size_t>(b)]);
        if (c != 0) return c < 0;
        return ids[static_cast<std::size_t>(a)] < ids[static_cast<std::size_t>(b)];
    });
    std::vector<int> out;
    std::set<std::string_view> seen;
    for (int i : order)
        if (seen.insert(ids[static_cast<std::size_t>(i)]).second) out.push_back(i + 1);
    complete = out.size() == ids.size();
    return out;
}

std::vector<int> ListedPositions(const storage::GroupRegister& groups, bool sequenceGenerated, bool& complete) {
    complete = true;
    if (sequenceGenerated) {
        std::vector<int> out(static_cast<std::size_t>(groups.Count()));
        std::iota(out.begin(), out.end(), 1);
        return out;
    }
    std::vector<std::string> ids;
    for (const GroupPtr& g : groups.Groups()) ids.push_back(g->GroupID());
    return AlphabeticalPositions(ids, complete);
}

}  // namespace quorix::gui
