#include "core/presentation/presented_group.h"

#include <deque>

#include "core/group/group_spec.h"
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

GroupPtr MakeGroupFromDescription(std::string_view description, Progress& progress) {
    if (IsPresentation(description)) return MakeGroupFromPresentation(description, progress).group;
    return MakeGroupFromSpec(text::TrimBlanks(description));
}

GroupPtr MakeGroupFromDescription(std::string_view description) {
    Progress quiet;
    return MakeGroupFromDescription(description, quiet);
}

}  // namespace quorix
