#include "core/analysis/quotient.h"

namespace quorix {

namespace {

constexpr std::size_t kCosetPrefixLength = 9;  // "|%b|N|/b|"
const char* const kCosetPrefix = "|%b|N|/b|";

}  // namespace

QuotientListing ListQuotient(const GroupPtr& q, bool originalNames) {
    QuotientListing out;
    out.quotient = q;
    const GroupPtr& g = q->Parent();
    const GroupPtr& n = q->NormalSubgroup();
    if (!g || !n) throw ProgramError("ListQuotient: not a quotient group");

    // N's elements as G's source indices and positions, in N's source order.
    std::vector<int> nSource, nPosition;
    for (int k = 1; k <= n->order(); ++k) {
        int si = g->sourceIndexOfName(n->sourceName(k));
        if (si < 1) throw ProgramError("ListQuotient: N is not made of elements of G");
        nSource.push_back(si);
        nPosition.push_back(g->positionOf(si));
    }

    for (int i = 1; i <= q->order(); ++i) {
        QuotientCoset c;
        const std::string& qname = q->sourceName(i);
        const std::string rep = qname.size() > kCosetPrefixLength ? qname.substr(kCosetPrefixLength) : std::string();
        int aPosition = 1;
        if (!rep.empty()) {
            aPosition = g->positionOfName(rep);
            if (aPosition < 1) throw ProgramError("ListQuotient: unknown representative " + rep);
            c.representative = originalNames ? g->sourceName(g->sourceOf(aPosition)) : rep;
        }
        c.name = kCosetPrefix + c.representative;
        const int aSource = g->sourceOf(aPosition);
        for (std::size_t k = 0; k < nSource.size(); ++k)
            c.elements.push_back(originalNames ? g->sourceName(g->srcMul(nSource[k], aSource))
                                               : g->name(g->mul(nPosition[k], aPosition)));
        out.cosets.push_back(std::move(c));
    }
    out.table.assign(static_cast<std::size_t>(q->order()), std::vector<int>(static_cast<std::size_t>(q->order())));
    for (int i = 1; i <= q->order(); ++i)
        for (int j = 1; j <= q->order(); ++j)
            out.table[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)] = q->srcMul(i, j) - 1;
    return out;
}

QuotientListing BuildQuotientListing(const GroupPtr& g, const GroupPtr& n, bool originalNames,
                                     const GroupRegistrar& registrar) {
    GroupPtr q = Group::Create();
    q->GenerateQuotientGroup(g, n);
    registrar.Register(q, "");
    return ListQuotient(q, originalNames);
}

}  // namespace quorix
