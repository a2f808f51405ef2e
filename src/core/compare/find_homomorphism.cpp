#include "core/compare/homomorphism.h"

namespace quorix {

namespace {
std::uint64_t lastSource = 0, lastTarget = 0;
}

bool FindHomomorphism(const Group& a, const Group& b, std::string& mappingText, bool resume) {
    HomomorphismSearch& s = SharedHomomorphismSearch();
    if (!resume || !s.Started() || lastSource != a.Serial() || lastTarget != b.Serial()) {
        s.Start(MultiplicationTable::FromGroup(a), MultiplicationTable::FromGroup(b));
        lastSource = a.Serial();
        lastTarget = b.Serial();
    }
    if (!s.Next()) return false;
    mappingText = MappingText(s.Mapping());
    return true;
}

bool TestIsomorphic(Group& x, Group& y) {
    if (x.Order() != y.Order()) return false;
    if (x.Order() > kMaxTableOrder) return FindHomomorphism(x, y, SharedMappingText(), false);
    return y.IsIsomorphic(x);
}

}  // namespace quorix
