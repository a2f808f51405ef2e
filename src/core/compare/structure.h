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

// The analysis engine behind the interface (program-wide subgroup state,
// maximal normal subgroups, cycle notation).
StructureAnalysis& EngineStructure();

}  // namespace quorix
