#include "core/compare/structure.h"

namespace quorix {

std::string SubgroupElementsText(const Group& h, const Group& g, bool originalNames) {
    std::string s = "{";
    for (int k = 1; k <= h.order(); ++k) {
        if (k > 1) s += ", ";
        const std::string& name = h.sourceName(k);
        if (originalNames) {
            s += name;
        } else {
            const int i = g.sourceIndexOfName(name);
            s += i > 0 ? g.mappedName(i) : name;
        }
    }
    return s + "}";
}

std::vector<std::string> SubgroupNames(const std::vector<GroupPtr>& subgroups, const std::string& parentID) {
    std::vector<std::string> names;
    int lastOrder = -1, sequence = 0;
    for (const GroupPtr& h : subgroups) {
        const int order = h->Order();
        sequence = order == lastOrder ? sequence + 1 : 1;
        lastOrder = order;
        names.push_back("Subgroup" + std::to_string(order) + "-" + std::to_string(sequence) + "(" + parentID + ")");
    }
    return names;
}

}  // namespace quorix
