#include "core/compare/structure.h"

#include "core/analysis/composition_series.h"
#include "core/analysis/cycle_notation.h"
#include "core/analysis/subgroups.h"
#include "core/host/host.h"

namespace quorix {

namespace {

class Engine : public StructureAnalysis {
public:
    SubgroupListResult FindAllSubgroups(const GroupPtr& g) override {
        SubgroupLogic& logic = subgroupLogic();
        logic.FindAllSubgroups(g);
        SubgroupListResult r;
        r.halted = host().haltRequested();
        r.partial = logic.PartialList();
        if (!r.halted) r.subgroups = logic.Subgroups();
        return r;
    }
    bool IsNormalSubgroup(const GroupPtr& g, const GroupPtr& h) override { return quorix::IsNormalSubgroup(*g, *h); }
    bool IsCenter(const GroupPtr& g, const GroupPtr& h) override {
        SubgroupLogic& logic = subgroupLogic();
        if (logic.AnalysedGroup() != g) logic.FindAllSubgroups(g);
        return logic.IsCenter(*h);
    }
    std::vector<GroupPtr> CompositionSeries(const GroupPtr& g) override {
        quorix::CompositionSeries series = BuildCompositionSeries(g);
        if (series.halted) return {};
        return series.terms;
    }
    std::string CycleNotation(const std::string& permutation) override { return quorix::CycleNotation(permutation); }
};

}  // namespace

StructureAnalysis& EngineStructure() {
    static Engine engine;
    return engine;
}

}  // namespace quorix
