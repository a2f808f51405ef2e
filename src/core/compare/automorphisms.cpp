#include "core/compare/automorphisms.h"

#include <set>

#include "core/compare/homomorphism.h"

namespace quorix {

void AppendElementCode(std::string& code, int index) {
    if (index <= 9)
        code += static_cast<char>('0' + index);
    else
        code += static_cast<char>(index + 55);
}

std::string CompactMappingCode(const std::string& mappingText) {
    std::string code;
    for (int index : ParseMappingText(mappingText)) AppendElementCode(code, index);
    return code;
}

int ElementCodeIndex(char c) {
    if (c >= '1' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'Z') return c - 55;
    return 0;
}

std::string SymbolRow(int n) {
    std::string row;
    for (int i = 1; i <= n; ++i) AppendElementCode(row, i);
    return row;
}

AutomorphismList EnumerateAutomorphisms(const Group& g) {
    AutomorphismList list;
    HomomorphismSearch search;
    const MultiplicationTable t = MultiplicationTable::FromGroup(g);
    search.Start(t, t);
    while (list.Count() <= kAutomorphismListLimit && search.Next()) {
        std::string code;
        for (int index : search.Mapping()) AppendElementCode(code, index);
        list.entries.push_back({false, std::move(code)});
    }
    return list;
}

void MarkInnerAutomorphisms(const Group& g, AutomorphismList& list) {
    list.innerCount = 0;
    list.representatives.clear();
    list.markingFailed = false;
    const int n = g.order();
    for (int z = 1; z <= n; ++z) {
        std::string code;
        const int zi = g.srcInv(z);
        for (int x = 1; x <= n; ++x) AppendElementCode(code, g.srcMul(g.srcMul(z, x), zi));
        auto it = list.entries.begin();
        while (it != list.entries.end() && it->code != code) ++it;
        if (it == list.entries.end()) {
            list.markingFailed = true;
            return;
        }
        if (!it->inner) {
            ++list.innerCount;
            list.entries.erase(it);
            list.entries.push_back({true, code});
            list.representatives.push_back(g.sourceName(z));
        }
    }
}

AutomorphismList ComputeAutomorphisms(const Group& g) {
    if (g.Order() > kAutomorphismOrderLimit) throw InvalidArgument(kAutomorphismOrderMessage);
    AutomorphismList list = EnumerateAutomorphisms(g);
    MarkInnerAutomorphisms(g, list);
    return list;
}

AutomorphismCounts CountAutomorphisms(const Group& g) {
    AutomorphismCounts c;
    HomomorphismSearch search;
    const MultiplicationTable t = MultiplicationTable::FromGroup(g);
    search.Start(t, t);
    while (search.Next()) ++c.aut;
    std::set<std::vector<int>> inner;
    const int n = g.order();
    for (int z = 1; z <= n; ++z) {
        std::vector<int> images;
        for (int x = 1; x <= n; ++x) images.push_back(g.srcMul(g.srcMul(z, x), g.srcInv(z)));
        inner.insert(std::move(images));
    }
    c.inn = static_cast<int>(inner.size());
    return c;
}

std::vector<std::string> AutomorphismGeneratorCodes(const AutomorphismList& list, AutomorphismKind kind) {
    std::vector<std::string> codes;
    for (const auto& e : list.entries)
        if (e.inner && codes.size() < static_cast<std::size_t>(kAutomorphismListLimit)) codes.push_back(e.code);
    if (kind == AutomorphismKind::Auto)
        for (const auto& e : list.entries)
            if (!e.inner && codes.size() < static_cast<std::size_t>(kAutomorphismListLimit)) codes.push_back(e.code);
    return codes;
}

GroupPtr GenerateAutomorphismGroup(const Group& g, const AutomorphismList& list, AutomorphismKind kind,
                                   const GroupRegistrar& registrar) {
    GroupPtr result = Group::Create();
    result->GeneratePermutational(AutomorphismGeneratorCodes(list, kind));
    const std::string name = std::string(kind == AutomorphismKind::Auto ? "Aut(" : "Inn(") + g.GroupID() + ")";
    result->SetGroupID(name);
    registrar.Register(result, name);
    return result;
}

}  // namespace quorix
