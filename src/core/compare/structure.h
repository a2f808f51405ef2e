#pragma once
// What the comparison, the solution analysis and the HTML views need from
// the structure analysis (subgroups, normality, centre, composition series,
// cycle notation). The desktop program and the command-line tool pass the
// analysis engine's implementation (AnalysisEngineStructure); tests may pass
// their own.

#include <string>
#include <vector>

#include "core/group/group.h"

namespace quorix {

struct SubgroupListResult {
    std::vector<GroupPtr> subgroups;  // ascending order, as the enumeration sorts them
    bool partial = false;             // the user halted and kept the subgroups found
    bool halted = false;              // the user halted and dropped them (halt flag left set)
};

class StructureAnalysis {
public:
    virtual ~StructureAnalysis() = default;
    virtual SubgroupListResult FindAllSubgroups(const GroupPtr& g) = 0;
    virtual bool IsNormalSubgroup(const GroupPtr& g, const GroupPtr& h) = 0;
    virtual bool IsCenter(const GroupPtr& g, const GroupPtr& h) = 0;
    // N0 = g, N1, ..., Nk = {e}; empty when halted.
    virtual std::vector<GroupPtr> CompositionSeries(const GroupPtr& g) = 0;
    // Cycle notation of a one-line permutation over "123456789ABCDEF".
    virtual std::string CycleNotation(const std::string& permutation) = 0;
};

// "{a, b, c}": the elements of subgroup h written with g's reductive-mapping
// names (or h's own source names when originalNames is set).
std::string SubgroupElementsText(const Group& h, const Group& g, bool originalNames);

// "Subgroup" + order + "-" + sequence + "(" + parentID + ")" for each listed
// subgroup; the sequence restarts at 1 whenever the order changes.
std::vector<std::string> SubgroupNames(const std::vector<GroupPtr>& subgroups, const std::string& parentID);

}  // namespace quorix
