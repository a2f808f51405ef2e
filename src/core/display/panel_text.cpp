#include "core/display/panel_text.h"

#include <algorithm>
#include <functional>

#include "core/analysis/cycle_notation.h"
#include "core/group/math_functions.h"
#include "core/text/markup.h"

namespace quorix {

std::string LimitReachedMessage(int limit) { return "Limit of " + std::to_string(limit) + " reached."; }

std::string KeepSubgroupsQuestion(int found) {
    return "Do you wish to continue with the " + std::to_string(found) + " subgroups found so far?";
}

}  // namespace quorix

namespace quorix::analysis_text {

namespace {

std::string Join(const std::vector<std::string>& parts, const std::string& separator) {
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) out += separator;
        out += parts[i];
    }
    return out;
}

// Entry i (0-based) of a list of notes that may be empty.
std::string NoteAt(const std::vector<std::string>& notes, std::size_t i) {
    return i < notes.size() ? notes[i] : std::string();
}

}  // namespace

std::vector<std::string> EquationLines(const EquationText& e) {
    const std::size_t width = e.left1.size() > e.left2.size() + 1 ? e.left1.size() - e.left2.size() - 1 : 0;
    return {e.heading, e.left1 + "= " + e.sum1, std::string(width, ' ') + e.left2 + " = " + e.sum2,
            std::string(e.left1.size(), ' ') + "= " + e.sum3};
}

std::string GroupElementsText(const Group& g, bool originalNames) {
    std::vector<std::string> names;
    for (int k = 1; k <= g.order(); ++k) names.push_back(originalNames ? g.sourceName(g.sourceOf(k)) : g.name(k));
    return "{" + Join(names, ", ") + "}";
}

// ---- subgroup panel ---------------------------------------------------------

std::string SubgroupsLimitText(int limit) { return "(limit of " + std::to_string(limit) + " subgroups)"; }

std::string SubgroupsCaption(const std::string& groupId) { return markup::StripMarkup(groupId) + " Subgroup List"; }

std::string SubgroupsTitle(const std::string& groupId, bool partial) {
    return "Subgroups of " + groupId + (partial ? " (partial list)" : "") + ":";
}

std::string SubgroupsPartialNote(const std::vector<int>& listedOrders, bool limitReached, int limit) {
    const int n = static_cast<int>(listedOrders.size());
    std::string text =
        limitReached
            ? "Limit of " + std::to_string(limit) + " reached: this partial list holds the first " + std::to_string(n) +
                  " subgroups the search found."
            : "Halted: this partial list holds the " + std::to_string(n) + " subgroups found before Halt was pressed.";
    text += " The search meets large subgroups first, so most small ones are missing";
    if (std::find(listedOrders.begin(), listedOrders.end(), 1) == listedOrders.end()) text += " (even {1})";
    text += ". Listed, by order:";
    std::vector<int> orders = listedOrders;
    std::sort(orders.begin(), orders.end(), std::greater<>());
    for (std::size_t i = 0; i < orders.size();) {
        std::size_t j = i;
        while (j < orders.size() && orders[j] == orders[i]) ++j;
        text += (i == 0 ? " " : ", ") + std::to_string(orders[i]) + " (" + std::to_string(j - i) + ")";
        i = j;
    }
    return text + ". Show All Subgroups lists every subgroup; Show Lattice draws them all.";
}

std::string SubgroupsIdColumnSample(const std::string& groupId) { return "Subgroup99-999(" + groupId + ")"; }

std::vector<std::string> SubgroupsHeadings() {
    return {"Subgroup ID", "Subgroup", "Normal", "Order", "Subgroup?", "Elements"};
}

std::vector<SubgroupRow> SubgroupRows(SubgroupLogic& logic, const std::vector<std::string>& ids, bool originalNames,
                                      const std::vector<std::string>& notes) {
    std::vector<SubgroupRow> rows;
    const Group& g = *logic.AnalysedGroup();
    for (int s = 1; s <= logic.SubgroupCount(); ++s) {
        const Group& h = *logic.Subgroup(s);
        SubgroupRow r;
        r.id = static_cast<std::size_t>(s) <= ids.size() ? ids[static_cast<std::size_t>(s - 1)] : h.GroupID();
        r.order = h.order();
        r.normal = logic.IsNormal(s);
        if (r.normal) {
            r.centre = logic.IsCenter(h);
            r.commutator = logic.IsCommutatorSubgroup(h);
        }
        r.elements = FormatSubgroupElements(h, g, originalNames);
        r.note = NoteAt(notes, static_cast<std::size_t>(s - 1));
        rows.push_back(std::move(r));
    }
    return rows;
}

std::string CentreNote(const std::string& groupId) { return "This subgroup is the center of |%b|" + groupId + "|/b|."; }

std::string CommutatorNote(const std::string& groupId) {
    return "This subgroup is the commutator subgroup of |%b|" + groupId + "|/b|.";
}

std::vector<std::string> CentralizerAnswer(const Group& c) {
    return {"Z(|%i|x|/i|) = |%b|" + c.GroupID() + "|/b|",
            "(" + std::to_string(c.order()) + " elements, as listed above)"};
}

std::vector<std::string> NormalizerAnswer(const Group& n) {
    return {"N(H) = |%b|" + n.GroupID() + "|/b|", "(" + std::to_string(n.order()) + " elements, as listed above)"};
}

std::vector<std::string> SubgroupPanelLines(SubgroupLogic& logic, const std::vector<std::string>& ids,
                                            bool originalNames) {
    const Group& g = *logic.AnalysedGroup();
    const std::string& gid = g.GroupID();
    std::vector<std::string> lines{SubgroupsTitle(gid, logic.PartialList()),
                                   "|%b|Subgroup ID   Order   Normal Subgroup?   Elements|/b|"};
    bool centreNote = false, commutatorNote = false;
    for (const SubgroupRow& r : SubgroupRows(logic, ids, originalNames)) {
        std::string normal = r.normal ? "Yes" : "No";
        if (r.centre) normal += "(1)";
        if (r.commutator) normal += "(2)";
        centreNote = centreNote || r.centre;
        commutatorNote = commutatorNote || r.commutator;
        lines.push_back("|%b|" + r.id + "|/b|   " + std::to_string(r.order) + "   " + normal + "   " + r.elements);
    }
    if (centreNote) lines.push_back("(1) " + CentreNote(gid));
    if (commutatorNote) lines.push_back("(2) " + CommutatorNote(gid));
    if (logic.PartialList()) return lines;

    lines.push_back(kCentralizerCalculator);
    for (int x = 1; x <= g.order(); ++x) {
        const int s = logic.CentralizerIndex(x);
        if (s == 0) continue;
        const std::string name = originalNames ? g.sourceName(g.sourceOf(x)) : g.name(x);
        std::vector<std::string> answer = CentralizerAnswer(*logic.Subgroup(s));
        lines.push_back("x = " + name + ":  " + answer[0] + "  " + answer[1]);
    }
    lines.push_back(kNormalizerCalculator);
    for (int s = 1; s <= logic.SubgroupCount(); ++s) {
        const int t = logic.NormalizerIndex(s);
        if (t == 0) continue;
        std::vector<std::string> answer = NormalizerAnswer(*logic.Subgroup(t));
        lines.push_back("H = " + ShortSubgroupName(logic.Subgroup(s)->GroupID()) + ":  " + answer[0] + "  " +
                        answer[1]);
    }
    return lines;
}

// ---- quotient panel ---------------------------------------------------------

std::vector<std::string> QuotientHeading(const Group& g, const Group& n, const QuotientListing& q, bool originalNames,
                                         const std::string& quotientNote) {
    return {"For |%b|G|/b| = |%b|" + g.GroupID() + "|/b| and normal subgroup |%b|" + n.GroupID() +
                "|/b| = |%b|N|/b| = " + FormatSubgroupElements(n, g, originalNames) + ",",
            "quotient group |%b|G/N|/b|" + quotientNote + " has order " + std::to_string(q.quotient->order()) +
                " and contains as elements the following right cosets of |%b|N|/b|:"};
}

std::string CosetElementsText(const QuotientCoset& coset) { return "= {" + Join(coset.elements, ", ") + "}"; }

std::vector<std::string> QuotientPanelLines(const Group& g, const Group& n, const QuotientListing& q,
                                            bool originalNames, const std::string& quotientNote) {
    std::vector<std::string> lines = QuotientHeading(g, n, q, originalNames, quotientNote);
    for (const QuotientCoset& c : q.cosets) lines.push_back(c.name + " " + CosetElementsText(c));
    lines.push_back(kQuotientTableTitle);
    std::string heading;
    for (const QuotientCoset& c : q.cosets) heading += "  " + c.name;
    lines.push_back(heading);
    for (std::size_t i = 0; i < q.cosets.size(); ++i) {
        std::string row = q.cosets[i].name + " :";
        for (int j : q.table[i]) row += "  " + q.cosets[static_cast<std::size_t>(j)].name;
        lines.push_back(row);
    }
    return lines;
}

// ---- composition series -----------------------------------------------------

std::string SeriesCaption(const std::string& groupId) { return markup::StripMarkup(groupId) + " Composition Series"; }

std::string SeriesTitle(const std::string& groupId) { return "Composition Series for " + groupId + ":"; }

// A subscript ends a raised run without taking part in the alternation, so
// "N|@i|" is closed by an empty piece, as group IDs are: what follows the
// bold code is on the baseline again.
std::string SeriesTopLine(const Group& g, bool originalNames) {
    std::string line = "|%b|N|@0||/b| = |%b|" + g.GroupID() + "|/b|";
    if (g.order() < 16) line += " = " + GroupElementsText(g, originalNames);
    return line;
}

std::string OrderLine(int order) { return "Order:  " + std::to_string(order); }

std::string SeriesTermLine(int i, const Group& term, const Group& g, bool originalNames) {
    return "|%b|N|@" + std::to_string(i) + "||/b| (maximal normal subgroup of |%b|N|@" + std::to_string(i - 1) +
           "||/b|) = " + FormatSubgroupElements(term, g, originalNames);
}

std::string CompositionFactorLine(int above, int below, int factor, const std::string& note) {
    return "Composition Factor:  " + std::to_string(above) + "/" + std::to_string(below) + " = " +
           std::to_string(factor) + (MathFunctions::IsPrime(factor) ? " (prime)" : " (non-prime)") + note;
}

std::vector<std::string> SeriesConclusion(const std::string& groupId, bool allPrime) {
    return {std::string(allPrime ? "All" : "Not all") + " the Composition Factors are prime.",
            "Therefore |%b|" + groupId + "|/b|" + (allPrime ? " is solvable." : " is not solvable.")};
}

std::vector<std::string> SeriesPanelLines(const CompositionSeries& series, bool originalNames,
                                          const std::vector<std::string>& factorNotes) {
    const Group& g = *series.terms[0];
    std::vector<std::string> lines{SeriesTitle(g.GroupID()), SeriesTopLine(g, originalNames), OrderLine(g.order())};
    bool allPrime = true;
    for (int i = 1; i <= series.Length(); ++i) {
        const Group& term = *series.terms[static_cast<std::size_t>(i)];
        const int factor = series.factors[static_cast<std::size_t>(i)];
        lines.push_back(SeriesTermLine(i, term, g, originalNames));
        lines.push_back(OrderLine(term.order()) + "   " +
                        CompositionFactorLine(series.terms[static_cast<std::size_t>(i - 1)]->order(), term.order(),
                                              factor, NoteAt(factorNotes, static_cast<std::size_t>(i))));
        if (!MathFunctions::IsPrime(factor)) allPrime = false;
    }
    for (std::string& l : SeriesConclusion(g.GroupID(), allPrime)) lines.push_back(std::move(l));
    return lines;
}

// ---- conjugacy classes ------------------------------------------------------

PermutationNote MakePermutationNote(int degree) {
    PermutationNote note;
    const std::size_t d = static_cast<std::size_t>(degree < 0 ? 0 : degree > 15 ? 15 : degree);
    note.points = std::string("123456789ABCDEF").substr(0, d);
    note.values = std::string("999999999999999").substr(0, d);
    note.suffix = " is abbreviated as " + note.values + ".";
    return note;
}

std::string PermutationNoteText(int degree) {
    PermutationNote n = MakePermutationNote(degree);
    return n.prefix + "(" + n.points + " over " + n.values + ")" + n.suffix;
}

bool ShowsPermutations(const Group& g, bool originalNames) {
    const GenerationMethod m = g.MethodOfGeneration();
    return originalNames && (m == GenerationMethod::Symmetric || m == GenerationMethod::Alternating ||
                             m == GenerationMethod::Permutational);
}

std::string ClassesCaption(const std::string& groupId) { return markup::StripMarkup(groupId) + " Conjugacy Classes"; }

std::string ClassesTitle(const std::string& groupId) { return "Conjugacy Classes for " + groupId + ":"; }

std::string ClassHeading(const std::string& representative, bool continued) {
    return "|%b|Conjugacy Class Cl(" + representative + (continued ? ")--continued|/b|" : ") contains:|/b|");
}

std::string ElementName(const Group& g, int index, bool sourceIndex) {
    return sourceIndex ? g.sourceName(index) : g.name(index);
}

std::string ClassMemberLine(const Group& g, const ConjugacyClass& cls, const ConjugateElement& m, bool sourceIndices) {
    const std::string gi = ElementName(g, m.witnessInverse, sourceIndices);
    const std::string w = ElementName(g, m.witness, sourceIndices);
    return ElementName(g, m.element, sourceIndices) + " = " + gi + " |.| " +
           ElementName(g, cls.representative, sourceIndices) + " |.| " + w + ", where " + gi + " is the inverse of " +
           w;
}

std::string CycleLine(const Group& g, int sourceIndex) {
    return g.sourceName(sourceIndex) + " = " + CycleNotation(g.sourceName(sourceIndex));
}

std::string PartitionText(const Group& g, int sourceIndex) {
    return "partition " + std::to_string(g.sourceName(sourceIndex).size()) + " = " +
           CycleTypeText(g.sourceName(sourceIndex));
}

std::vector<std::string> ClassSummary(const std::string& groupId) {
    return {
        "For G = |%b|" + groupId +
            "|/b|, the number of elements in each conjugate class Cl(|%i|x|/i|) is "
            "o(G)/o(Z(|%i|x|/i|)), where",
        "Z(|%i|x|/i|) is the centralizer subgroup of |%i|x|/i|.  (Centralizer subgroups can be determined through the ",
        "Centralizer Subgroup Calculator on the Subgroups Panel.)"};
}

EquationText ClassEquation(const Group& g, const ConjugacyClasses& classes) {
    const int n = g.order();
    std::vector<std::string> s1, s2, s3;
    for (const ConjugacyClass& c : classes.classes) {
        s1.push_back("o(G)/o(Z(" + ElementName(g, c.representative, classes.sourceIndices) + "))");
        s2.push_back(std::to_string(n) + "/" + std::to_string(c.Size() ? n / c.Size() : 0));
        s3.push_back(std::to_string(c.Size()));
    }
    return {"|%b|Class equation of G = " + g.GroupID() + "|/b|:",
            "o(G) ",
            std::to_string(n),
            Join(s1, " + "),
            Join(s2, " + "),
            Join(s3, " + ")};
}

std::vector<std::string> ClassesPanelLines(const Group& g, const ConjugacyClasses& classes) {
    std::vector<std::string> lines{ClassesTitle(g.GroupID())};
    const bool permutations = ShowsPermutations(g, classes.sourceIndices);
    if (permutations) lines.push_back(PermutationNoteText(g.Degree()));
    for (const ConjugacyClass& c : classes.classes) {
        lines.push_back(ClassHeading(ElementName(g, c.representative, classes.sourceIndices), false));
        for (const ConjugateElement& m : c.members) {
            lines.push_back("   " + ClassMemberLine(g, c, m, classes.sourceIndices));
            if (permutations) lines.push_back("   " + CycleLine(g, m.element) + "   " + PartitionText(g, m.element));
        }
    }
    if (classes.halted) {
        lines.push_back(kClassesHalted);
        return lines;
    }
    for (std::string& l : ClassSummary(g.GroupID())) lines.push_back(std::move(l));
    for (std::string& l : EquationLines(ClassEquation(g, classes))) lines.push_back(std::move(l));
    return lines;
}

// ---- subgroup conjugacy classes ------------------------------------------------

std::string SubgroupClassesCaption(const std::string& groupId) {
    return markup::StripMarkup(groupId) + " Subgroup Conjugacy Classes";
}

std::string SubgroupClassesTitle(const std::string& groupId) {
    return "Subgroup Conjugacy Classes for " + groupId + ":";
}

std::string SubgroupClassHeading(const std::string& representative, bool continued) {
    return continued ? "|%b|Conjugacy Class Cl(" + representative + ")--continued|/b|"
                     : "|%b|Subgroup Conjugacy Class Cl(" + representative + ") contains:|/b|";
}

std::string SubgroupMemberLine(const Group& g, const std::string& member, const std::string& representative,
                               const ConjugateSubgroup& m, bool originalNames) {
    auto name = [&](int k) { return originalNames ? g.sourceName(g.sourceOf(k)) : g.name(k); };
    const std::string gi = name(m.witnessInverse), w = name(m.witness);
    return "|%b|" + member + "|/b| = " + gi + " |.| |%b|" + representative + "|/b| |.| " + w + ", where " + gi +
           " is the inverse of " + w;
}

std::vector<std::string> SubgroupClassSummary(const std::string& groupId) {
    return {"For G = |%b|" + groupId +
                "|/b|, the number of subgroups in each subgroup conjugate class Cl(H) is "
                "o(G)/o(N(H)), where",
            "N(H) is the normalizer subgroup of subgroup H.  (Normalizer subgroups can be determined through the ",
            "Normalizer Subgroup Calculator on the Subgroups Panel.)"};
}

EquationText SubgroupCountingEquation(const Group& g, const std::vector<std::string>& names,
                                      const SubgroupClasses& classes) {
    const int n = g.order();
    std::vector<std::string> s1, s2, s3;
    for (const SubgroupClass& c : classes.classes) {
        s1.push_back("o(G)/o(N(" + names[static_cast<std::size_t>(c.representative - 1)] + "))");
        s2.push_back(std::to_string(n) + "/" + std::to_string(c.Size() ? n / c.Size() : 0));
        s3.push_back(std::to_string(c.Size()));
    }
    return {"|%b|Number of subgroups for G = " + g.GroupID() + "|/b|:",
            "Number of subgroups ",
            std::to_string(names.size()),
            Join(s1, " + "),
            Join(s2, " + "),
            Join(s3, " + ")};
}

std::vector<std::string> SubgroupClassesPanelLines(const Group& g, const std::vector<std::string>& names,
                                                   const SubgroupClasses& classes, bool originalNames,
                                                   const std::vector<std::string>& notes) {
    std::vector<std::string> lines{SubgroupClassesTitle(g.GroupID())};
    if (ShowsPermutations(g, originalNames)) lines.push_back(PermutationNoteText(g.Degree()));
    for (const SubgroupClass& c : classes.classes) {
        const std::string& rep = names[static_cast<std::size_t>(c.representative - 1)];
        lines.push_back(SubgroupClassHeading(rep, false) +
                        NoteAt(notes, static_cast<std::size_t>(c.representative - 1)));
        for (const ConjugateSubgroup& m : c.members)
            lines.push_back(
                "   " + SubgroupMemberLine(g, names[static_cast<std::size_t>(m.subgroup - 1)], rep, m, originalNames));
    }
    if (classes.halted) {
        lines.push_back(kSubgroupClassesHalted);
        return lines;
    }
    for (std::string& l : SubgroupClassSummary(g.GroupID())) lines.push_back(std::move(l));
    for (std::string& l : EquationLines(SubgroupCountingEquation(g, names, classes))) lines.push_back(std::move(l));
    return lines;
}

}  // namespace quorix::analysis_text
