#pragma once
// What the comparison, the solution analysis and the HTML views need from
// the structure analysis (subgroups, normality, centre, composition series,
// cycle notation). The desktop program and the command-line tool pass the
// analysis engine's implementation (EngineStructure, one for each job);
// tests may pass their own.

#include <memory>
#include <string>
#include <vector>

#include "core/analysis/subgroups.h"
#include "core/group/group.h"
#include "core/host/progress.h"

namespace quorix {

struct SubgroupListResult {
    std::vector<GroupPtr> subgroups;  // ascending order, as the enumeration sorts them
    bool partial = false;             // the list was cut short and the subgroups found kept
    bool halted = false;              // a stop was requested: nothing listed
};

class StructureAnalysis {
public:
    virtual ~StructureAnalysis() = default;
    virtual SubgroupListResult FindAllSubgroups(const GroupPtr& g, Progress& progress) = 0;
    virtual bool IsNormalSubgroup(const GroupPtr& g, const GroupPtr& h) = 0;
    virtual bool IsCenter(const GroupPtr& g, const GroupPtr& h, Progress& progress) = 0;
    // N0 = g, N1, ..., Nk = {e}; empty when halted.
    virtual std::vector<GroupPtr> CompositionSeries(const GroupPtr& g, Progress& progress) = 0;
    // Cycle notation of a one-line permutation over "123456789ABCDEF".
    virtual std::string CycleNotation(const std::string& permutation) = 0;
};

// The analysis engine behind the interface: a subgroup list (its own, or
// one it is given), maximal normal subgroups, cycle notation. A halted
// subgroup search lists nothing. Each job makes its own: a job that yields
// inside a subgroup search must not find its list refilled by another job.
class EngineStructure final : public StructureAnalysis {
public:
    EngineStructure() : owned_(std::make_unique<SubgroupLogic>()), subgroups_(*owned_) {}
    explicit EngineStructure(SubgroupLogic& subgroups) : subgroups_(subgroups) {}
    SubgroupListResult FindAllSubgroups(const GroupPtr& g, Progress& progress) override;
    bool IsNormalSubgroup(const GroupPtr& g, const GroupPtr& h) override;
    bool IsCenter(const GroupPtr& g, const GroupPtr& h, Progress& progress) override;
    std::vector<GroupPtr> CompositionSeries(const GroupPtr& g, Progress& progress) override;
    std::string CycleNotation(const std::string& permutation) override;

private:
    std::unique_ptr<SubgroupLogic> owned_;
    SubgroupLogic& subgroups_;
};

}  // namespace quorix
