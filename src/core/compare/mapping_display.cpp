#include "core/compare/mapping_display.h"

#include "core/compare/automorphisms.h"
#include "core/compare/homomorphism.h"

namespace quorix {

std::vector<int> MappingImages(const std::string& mappingText) {
    std::vector<int> images = ParseMappingText(mappingText);
    if (images.empty()) return {};
    images.insert(images.begin(), 0);
    return images;
}

std::vector<int> IsomorphismImages(Group& g1, Group& g2, const std::string& mappingText) {
    const int n = g1.Order();
    if (g2.Order() != n) return {};
    if (n <= kMaxTableOrder) {
        return g2.IsomorphismSourceMapping(g1);
    }
    std::vector<int> images = MappingImages(mappingText);
    if (static_cast<int>(images.size()) != n + 1) return {};
    return images;
}

std::vector<int> AutomorphismImages(const std::string& code) {
    std::vector<int> images{0};
    for (char c : code) images.push_back(ElementCodeIndex(c));
    return images;
}

int FirstColumnLength(int n) { return n < 11 ? n : n / 2; }

std::string RowColumnDescription(const Group& g1, const Group& g2, int i) {
    const std::string& id = g1.GroupID();
    const bool rows = id.rfind("Rows(", 0) == 0;
    if (!rows && id.rfind("Columns(", 0) != 0) return {};
    std::string names;
    for (int j = 1; j <= g2.order(); ++j) names += g2.sourceName(rows ? g2.srcMul(i, j) : g2.srcMul(j, i));
    return names + " (" + (rows ? "from Row #" : "from Column #") + std::to_string(i) + "):       ";
}

}  // namespace quorix
