#include "core/compare/structure.h"

#include "core/analysis/composition_series.h"
#include "core/analysis/cycle_notation.h"

namespace quorix {

SubgroupListResult EngineStructure::FindAllSubgroups(const GroupPtr& g, Progress& progress) {
    SubgroupListResult r;
    r.halted = subgroups_.FindAllSubgroups(g, progress).halted;
    r.partial = subgroups_.PartialList();
    if (!r.halted) r.subgroups = subgroups_.Subgroups();
    return r;
}

bool EngineStructure::IsNormalSubgroup(const GroupPtr& g, const GroupPtr& h) {
    return quorix::IsNormalSubgroup(*g, *h);
}

bool EngineStructure::IsCenter(const GroupPtr& g, const GroupPtr& h, Progress& progress) {
    if (subgroups_.AnalysedGroup() != g) subgroups_.FindAllSubgroups(g, progress);
    return subgroups_.IsCenter(*h);
}

std::vector<GroupPtr> EngineStructure::CompositionSeries(const GroupPtr& g, Progress& progress) {
    quorix::CompositionSeries series = BuildCompositionSeries(g, progress);
    if (series.halted) return {};
    return series.terms;
}

std::string EngineStructure::CycleNotation(const std::string& permutation) {
    return quorix::CycleNotation(permutation);
}

}  // namespace quorix
