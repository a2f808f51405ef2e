#include "core/compare/homomorphism.h"

namespace quorix {

bool FindHomomorphism(SharedHomomorphism& shared, const Group& a, const Group& b, std::string& mappingText, bool resume,
                      Progress* progress) {
    HomomorphismSearch& s = shared.search;
    if (!resume || !s.Started() || !a.IsObject(shared.source) || !b.IsObject(shared.target)) {
        s.Start(MultiplicationTable::FromGroup(a), MultiplicationTable::FromGroup(b));
        shared.source = a.IdentityToken();
        shared.target = b.IdentityToken();
    }
    if (!s.Next(progress)) return false;
    mappingText = MappingText(s.Mapping());
    return true;
}

bool TestIsomorphic(SharedHomomorphism& shared, Group& x, Group& y, Progress* progress) {
    if (x.Order() != y.Order()) return false;
    if (x.Order() > kMaxTableOrder) return FindHomomorphism(shared, x, y, shared.mappingText, false, progress);
    return y.IsIsomorphic(x);
}

}  // namespace quorix
