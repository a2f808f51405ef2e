#pragma once
// The subgroup list of one group at a time, shared by the subgroup panel,
// the quotient panel, the subgroup conjugacy classes, the comparison and the
// HTML views, with the questions asked about listed subgroups.

#include <string>
#include <unordered_map>
#include <vector>

#include "core/analysis/registrar.h"
#include "core/analysis/subgroup_sets.h"
#include "core/group/group.h"
#include "core/host/progress.h"

namespace quorix {

// The limit the subgroup panel passes to FindAllSubgroups.
inline constexpr int kSubgroupPanelLimit = 60;

// True when h (a subgroup of g, its elements named by g's source names) is
// normal in g. Elements of h that g does not have make the answer false.
bool IsNormalSubgroup(const Group& g, const Group& h);

// "{a, b, c}": h's elements in h's source order, in original names or in g's
// reductive-mapping names.
std::string FormatSubgroupElements(const Group& h, const Group& g, bool originalNames);

// Sorts a subgroup list of g: ascending order, and among subgroups of equal
// order by the positions in g of their own reductive names, larger first
// (the program's exchange sort, so the result for equal keys is fixed).
// `memberships`, when given, is kept parallel to the list.
void SortSubgroups(const Group& g, std::vector<GroupPtr>& list, std::vector<ElementSet>* memberships = nullptr);

// "Subgroup" + order + "-" + sequence + "(" + groupId + ")" for every entry
// of a sorted list; the sequence restarts at 1 with every new order.
std::vector<std::string> SubgroupIDs(const std::vector<GroupPtr>& list, const std::string& groupId);

// An ID cut before its first "(" ("Subgroup4-2(S|@4|)" -> "Subgroup4-2").
std::string ShortSubgroupName(const std::string& id);

struct SubgroupSearchOutcome {
    // The list was cut at the limit (it is partial; the panel says so).
    bool limitReached = false;
    // A stop was requested: the list holds the subgroups found so far,
    // unsorted. The panel asks whether to keep them; on Yes call
    // KeepPartialList.
    bool halted = false;
};

// The subgroup list of one group at a time, with the answers about it. The
// desktop program and each command-line run keep one in their workbench.
class SubgroupLogic {
public:
    // Finds the subgroups of g (limit 0: no limit; the subgroup panel passes
    // kSubgroupPanelLimit). A second call for the same group object after a
    // complete run returns at once.
    SubgroupSearchOutcome FindAllSubgroups(const GroupPtr& g, Progress& progress, int limit = 0);
    // After a halted search: keeps the subgroups found so far as a sorted,
    // partial list.
    void KeepPartialList();

    const GroupPtr& AnalysedGroup() const { return analysed_; }
    int SubgroupCount() const { return static_cast<int>(list_.size()); }
    // 1-based.
    const GroupPtr& Subgroup(int s) const;
    const std::vector<GroupPtr>& Subgroups() const { return list_; }
    // Members of every listed subgroup over the analysed group's positions.
    const std::vector<ElementSet>& Memberships() const { return members_; }
    bool PartialList() const { return partial_; }

    // Relative to the analysed group.
    bool IsCenter(const Group& h);
    bool IsCommutatorSubgroup(const Group& h);
    bool IsNormal(int s);  // list entry s (1-based), by membership

    // List position (1-based) of the centralizer of position x of the
    // analysed group / of the normalizer of list entry s; 0 when it is not in
    // a partial list (the panel then reports "Program error
    // (CentralizerIndex)" / "(NormalizerIndex)").
    int CentralizerIndex(int x);
    int NormalizerIndex(int s);

    // IDs of the listed subgroups (see SubgroupIDs), set as their GroupID
    // and registered through the registrar.
    std::vector<std::string> NameAndRegister(const GroupRegistrar& registrar);

    // The subgroup chosen for the quotient panel.
    const GroupPtr& CurrentSubgroup() const { return current_; }
    void SetCurrentSubgroup(const GroupPtr& h) { current_ = h; }

    // Forgets the list and the cached group.
    void Reset();

private:
    int FindByMembership(const ElementSet& m);
    const std::vector<int>& Generators();

    GroupPtr analysed_;
    GroupPtr cached_;
    GroupPtr current_;
    std::vector<GroupPtr> list_;
    std::vector<ElementSet> members_;
    // List position of every membership set, rebuilt when the list changes.
    std::unordered_map<ElementSet, int> positions_;
    bool partial_ = false;
    bool centreKnown_ = false;
    bool commutatorKnown_ = false;
    bool generatorsKnown_ = false;
    ElementSet centre_;
    ElementSet commutator_;
    std::vector<int> generators_;
};

// The first proper normal subgroup of largest order in the search order of
// the subgroup enumeration, built as a subgroup of g; null when a stop was
// requested before one was found or g is trivial. Works apart from any
// subgroup list.
GroupPtr FindMaximalNormalSubgroup(const GroupPtr& g, Progress& progress);

// Its membership set over g's positions (no group built); an empty set when
// g is trivial or a stop was requested before one was found.
ElementSet FindMaximalNormalSubgroupSet(const Group& g, Progress& progress);

}  // namespace quorix
