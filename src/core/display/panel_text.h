#pragma once
// The texts of the structure-analysis panels, in markup, shared by the
// desktop panels (which place them) and the command-line tool (which prints
// them one per line with the markup removed). The *Lines functions give a
// panel's whole content in print order.
//
// A group's catalogue note (" [#16-7 D|@8|]", made a layer above) can be
// handed in where a panel shows a group; without notes the texts are those
// of the command-line tool.

#include <string>
#include <vector>

#include "core/analysis/composition_series.h"
#include "core/analysis/conjugacy_classes.h"
#include "core/analysis/quotient.h"
#include "core/analysis/subgroups.h"
#include "core/group/group.h"

namespace quorix {

// "Limit of 60 reached."
std::string LimitReachedMessage(int limit);
// The question after a halted subgroup search, with its title "Halting...".
std::string KeepSubgroupsQuestion(int found);
inline constexpr const char* kHaltingTitle = "Halting...";

}  // namespace quorix

namespace quorix::analysis_text {

inline constexpr const char* kCalculationHalted = "Calculation halted.";

// "{a, b, ...}" of a group's own elements in position order: original names
// (the source names of the positions) or reductive-mapping names.
std::string GroupElementsText(const Group& g, bool originalNames);

// ---- subgroup panel ---------------------------------------------------------
inline constexpr const char* kSubgroupsEmptyForm = "Subgroups of... ";
inline constexpr const char* kSubgroupsHalted = "Subgroup computation halted.";
inline constexpr const char* kSubgroupsFinding = "finding subgroups...";
inline constexpr const char* kSubgroupsPreparing = "preparing to display...";
inline constexpr const char* kCentralizerCalculator = "|%b|Centralizer Subgroup Calculator:|/b|";
inline constexpr const char* kCentralizerPrompt = "For element |%i|x|/i| = ";
inline constexpr const char* kNormalizerCalculator = "|%b|Normalizer Subgroup Calculator:|/b|";
inline constexpr const char* kNormalizerPrompt = "For subgroup H = ";

std::string SubgroupsLimitText(int limit);                 // "(limit of 60 subgroups)"
std::string SubgroupsCaption(const std::string& groupId);  // plain
std::string SubgroupsTitle(const std::string& groupId, bool partial);
std::string SubgroupsIdColumnSample(const std::string& groupId);
std::vector<std::string> SubgroupsHeadings();                           // in print order
inline constexpr const char* kSubgroupsNoteHeading = "Catalogue Name";  // over the notes, when shown

struct SubgroupRow {
    std::string id;
    int order = 0;
    bool normal = false;
    bool centre = false;      // shown as a raised "(1)"
    bool commutator = false;  // shown as a raised "(2)"
    std::string elements;
    std::string note;  // catalogue note, "" when none
};

// Rows of the listed subgroups of `logic` (ids from NameAndRegister; notes,
// when given, one per subgroup in list order).
std::vector<SubgroupRow> SubgroupRows(SubgroupLogic& logic, const std::vector<std::string>& ids, bool originalNames,
                                      const std::vector<std::string>& notes = {});
// What a partial subgroup list holds (plain text, for the note under its
// title): why it was cut (the limit, else a halt), how many subgroups of
// each order it lists, and whether the trivial subgroup is among them.
std::string SubgroupsPartialNote(const std::vector<int>& listedOrders, bool limitReached, int limit);
inline constexpr const char* kSubgroupsShowAll = "Show &All Subgroups";
inline constexpr const char* kSubgroupsShowLattice = "Show &Lattice";
std::string CentreNote(const std::string& groupId);                    // after "(1)"
std::string CommutatorNote(const std::string& groupId);                // after "(2)"
std::vector<std::string> CentralizerAnswer(const Group& centralizer);  // two lines
std::vector<std::string> NormalizerAnswer(const Group& normalizer);    // two lines

// The whole list: title, headings, one line per row, notes; plus, for a
// complete list, the centralizer of every element and the normalizer of
// every subgroup.
std::vector<std::string> SubgroupPanelLines(SubgroupLogic& logic, const std::vector<std::string>& ids,
                                            bool originalNames);

// ---- quotient panel ---------------------------------------------------------
// quotientNote follows "G/N" on the second line.
std::vector<std::string> QuotientHeading(const Group& g, const Group& n, const QuotientListing& q, bool originalNames,
                                         const std::string& quotientNote = {});
std::string CosetElementsText(const QuotientCoset& coset);  // "= {..}"
inline constexpr const char* kQuotientTableTitle = "|%b|G/N|/b|:";
std::vector<std::string> QuotientPanelLines(const Group& g, const Group& n, const QuotientListing& q,
                                            bool originalNames, const std::string& quotientNote = {});

// ---- composition series panel ----------------------------------------------
inline constexpr const char* kSeriesEmptyForm = "Composition Series for group... ";
std::string SeriesCaption(const std::string& groupId);
std::string SeriesTitle(const std::string& groupId);
std::string SeriesTopLine(const Group& g, bool originalNames);  // N0 = ...
std::string OrderLine(int order);                               // "Order:  n"
std::string SeriesTermLine(int i, const Group& term, const Group& g, bool originalNames);
std::string CompositionFactorLine(int above, int below, int factor, const std::string& note = {});
std::vector<std::string> SeriesConclusion(const std::string& groupId, bool allPrime);
// factorNotes[i], when given, follows factor i (index 0 unused, as in
// series.factors).
std::vector<std::string> SeriesPanelLines(const CompositionSeries& series, bool originalNames,
                                          const std::vector<std::string>& factorNotes = {});

// ---- conjugacy class panels ---------------------------------------------------
inline constexpr const char* kClassesEmptyForm = "Conjugacy Classes for group... ";
inline constexpr const char* kClassesHalted = "Conjugacy class computation halted.";
inline constexpr const char* kSubgroupClassesHalted = "Subgroup conjugacy class computation halted.";

// The note that shows how permutations are abbreviated, for degree d.
struct PermutationNote {
    std::string prefix = "NOTE:  Each permutation ";
    std::string points;  // first d of "123456789ABCDEF"
    std::string values;  // first d of "999999999999999"
    std::string suffix;  // " is abbreviated as 99...9."
};
PermutationNote MakePermutationNote(int degree);
std::string PermutationNoteText(int degree);  // one line for plain output

// True when members are shown with cycle notation: a symmetric, alternating
// or permutation group in original names.
bool ShowsPermutations(const Group& g, bool originalNames);

std::string ClassesCaption(const std::string& groupId);
std::string ClassesTitle(const std::string& groupId);
std::string ClassHeading(const std::string& representative, bool continued);
std::string ElementName(const Group& g, int index, bool sourceIndex);
std::string ClassMemberLine(const Group& g, const ConjugacyClass& cls, const ConjugateElement& m, bool sourceIndices);
std::string CycleLine(const Group& g, int sourceIndex);      // "j = (12)"
std::string PartitionText(const Group& g, int sourceIndex);  // "partition 3 = 1 + 2"
std::vector<std::string> ClassSummary(const std::string& groupId);
// A class equation or subgroup counting equation: the heading, then three
// sums. The first sum stands after left1 and "= "; the second after left2
// (the number) and "= " in the same column; the third after "= " alone.
struct EquationText {
    std::string heading;
    std::string left1;
    std::string left2;
    std::string sum1, sum2, sum3;
};
// Heading and the three lines, the equals signs aligned with spaces.
std::vector<std::string> EquationLines(const EquationText& e);

EquationText ClassEquation(const Group& g, const ConjugacyClasses& classes);
std::vector<std::string> ClassesPanelLines(const Group& g, const ConjugacyClasses& classes);

std::string SubgroupClassesCaption(const std::string& groupId);
std::string SubgroupClassesTitle(const std::string& groupId);
std::string SubgroupClassHeading(const std::string& representative, bool continued);
std::string SubgroupMemberLine(const Group& g, const std::string& member, const std::string& representative,
                               const ConjugateSubgroup& m, bool originalNames);
std::vector<std::string> SubgroupClassSummary(const std::string& groupId);
EquationText SubgroupCountingEquation(const Group& g, const std::vector<std::string>& names,
                                      const SubgroupClasses& classes);
// names: the short names (ID cut before "(") of the listed subgroups; notes,
// when given, in the same order: a class heading ends with its
// representative's note.
std::vector<std::string> SubgroupClassesPanelLines(const Group& g, const std::vector<std::string>& names,
                                                   const SubgroupClasses& classes, bool originalNames,
                                                   const std::vector<std::string>& notes = {});

}  // namespace quorix::analysis_text
