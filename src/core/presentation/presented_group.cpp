#include "core/presentation/presented_group.h"

#include <deque>

#include <map>

#include "core/group/group_spec.h"
#include "core/perm/perm_spec.h"
#include "core/presentation/coset_enumeration.h"
#include "core/text/text.h"

namespace quorix {

namespace {

std::string Thousands(long long n) {
    std::string digits = std::to_string(n);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(static_cast<std::size_t>(i), ",");
    return digits;
}

}  // namespace

PresentedGroup MakeGroupFromPresentation(std::string_view text, Progress& progress) {
    if (text.size() > kMaxSpecLength)
        throw InvalidArgument("A presentation may not be longer than " + std::to_string(kMaxSpecLength) +
                              " characters.");
    const Presentation p = ParsePresentation(text);
    if (HasInfiniteAbelianisation(p))
        throw InvalidArgument(
            "The presentation defines an infinite group: its relations leave a generator of "
            "infinite order once the generators commute.");
    CosetEnumeration e = EnumerateCosets(p, progress);
    PresentedGroup result;
    result.cosetsDefined = e.defined;
    if (e.status == CosetEnumeration::Status::Halted) {
        result.halted = true;
        return result;
    }
    if (e.status == CosetEnumeration::Status::LimitReached)
        throw InvalidArgument(
            "The presentation defines an infinite group or one with more than 120 elements "
            "(coset enumeration passed " +
            Thousands(kCosetLimit) + " cosets).");
    if (e.status == CosetEnumeration::Status::ScanLimitReached)
        throw InvalidArgument(
            "The presentation defines an infinite group or one with more than 120 elements "
            "(coset enumeration did not close within " +
            Thousands(kScanLimit) + " relator letters).");
    if (e.cosets > kMaxGroupOrder)
        throw InvalidArgument("The presentation defines a group of order " + std::to_string(e.cosets) +
                              ", more than 120 elements.");

    // Breadth-first from the identity, letters in the order a, a^-1, b, ...:
    // each element is first reached by its shortlex-least word.
    const int n = e.cosets, columns = e.columns;
    std::vector<int> element(static_cast<std::size_t>(n), -1);  // coset -> element number
    std::vector<int> cosetOf;
    std::vector<Word> words;
    std::vector<int> parent{0}, lastLetter{0};  // element v = parent[v] . lastLetter[v]
    element[0] = 0;
    cosetOf.push_back(0);
    words.emplace_back();
    for (std::size_t q = 0; q < cosetOf.size(); ++q) {
        const int c = cosetOf[q];
        for (int x = 0; x < columns; ++x) {
            const int d = e.table[static_cast<std::size_t>(c * columns + x)];
            if (element[static_cast<std::size_t>(d)] >= 0) continue;
            element[static_cast<std::size_t>(d)] = static_cast<int>(cosetOf.size());
            cosetOf.push_back(d);
            Word w = words[q];
            w.push_back(x);
            words.push_back(std::move(w));
            parent.push_back(static_cast<int>(q));
            lastLetter.push_back(x);
        }
    }
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(n));
    for (const Word& w : words) names.push_back(WordName(w, p.generators));
    // u v is the coset reached from u along the word of v: (u parent(v)) x.
    std::vector<int> products(static_cast<std::size_t>(n * n));
    for (int u = 0; u < n; ++u) {
        int* row = &products[static_cast<std::size_t>(u * n)];
        row[0] = u;
        for (int v = 1; v < n; ++v) {
            const int c = cosetOf[static_cast<std::size_t>(row[parent[static_cast<std::size_t>(v)]])];
            row[v] = element[static_cast<std::size_t>(
                e.table[static_cast<std::size_t>(c * columns + lastLetter[static_cast<std::size_t>(v)])])];
        }
    }
    result.group = Group::Create();
    result.group->GenerateDescribed("Pres" + std::to_string(n), CompactPresentation(text), names, products);
    return result;
}

GroupPtr MakeGroupFromCycleNotation(std::string_view text, Progress& progress) {
    const std::optional<perm::PermSpec> spec = perm::ReadPermSpec(text);
    const perm::PermGroupPtr g = perm::MakePermGroup(*spec, progress);
    if (!g) return nullptr;
    if (g->Order() > kMaxGroupOrder)
        throw InvalidArgument("'" + std::string(text.substr(0, 60)) + "' generates a group of " + g->Order().get_str() +
                              " elements, more than the " + std::to_string(kMaxGroupOrder) + " a table holds");
    // The identity, the generators, then products with the generators, breadth first.
    std::vector<perm::Perm> elements{perm::Identity(spec->degree)};
    std::map<perm::Perm, int> index{{elements[0], 0}};
    for (const perm::Perm& p : spec->generators)
        if (index.emplace(p, static_cast<int>(elements.size())).second) elements.push_back(p);
    for (std::size_t i = 0; i < elements.size(); ++i)
        for (const perm::Perm& s : spec->generators) {
            perm::Perm p = perm::Multiply(elements[i], s);
            if (index.emplace(p, static_cast<int>(elements.size())).second) elements.push_back(std::move(p));
        }
    const std::size_t n = elements.size();
    std::vector<int> products(n * n);
    std::vector<std::string> names;
    for (std::size_t a = 0; a < n; ++a) {
        names.push_back(perm::CycleString(elements[a]));
        for (std::size_t b = 0; b < n; ++b) products[a * n + b] = index.at(perm::Multiply(elements[a], elements[b]));
    }
    auto group = Group::Create();
    group->GenerateDescribed("Perm" + std::to_string(spec->degree), spec->name, names, products);
    return group;
}

GroupPtr MakeGroupFromDescription(std::string_view description, Progress& progress) {
    if (IsPresentation(description)) return MakeGroupFromPresentation(description, progress).group;
    const std::string_view trimmed = text::TrimBlanks(description);
    if (trimmed.substr(0, 5) == "perm:" && perm::IsCycleNotation(trimmed) &&
        trimmed.find('x') == std::string_view::npos)
        return MakeGroupFromCycleNotation(trimmed, progress);
    return MakeGroupFromSpec(text::TrimBlanks(description));
}

GroupPtr MakeGroupFromDescription(std::string_view description) {
    Progress quiet;
    return MakeGroupFromDescription(description, quiet);
}

}  // namespace quorix
