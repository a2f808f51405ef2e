#include "core/analysis/composition_series.h"

#include "core/analysis/subgroups.h"
#include "core/group/math_functions.h"

namespace quorix {

CompositionSeries BuildCompositionSeries(const GroupPtr& g, Progress& progress) {
    if (!g || !g->IsGenerated()) throw ProgramError("ComputeCompositionSeries: no generated group");
    CompositionSeries s;
    s.terms.push_back(g);
    s.factors.push_back(0);
    bool notAllPrime = false;
    long product = 1;
    while (product != g->order()) {
        if (progress.StopRequested()) break;
        GroupPtr next = FindMaximalNormalSubgroup(s.terms.back(), progress);
        if (progress.StopRequested() || !next) break;
        const int factor = s.terms.back()->order() / next->order();
        s.terms.push_back(next);
        s.factors.push_back(factor);
        if (!MathFunctions::IsPrime(factor)) notAllPrime = true;
        product *= factor;
    }
    s.halted = product != g->order();
    s.solvable = !s.halted && !notAllPrime;
    return s;
}

std::string SeriesTermID(int i, const std::string& groupId) { return "N|@" + std::to_string(i) + "|(" + groupId + ")"; }

void CompositionSeriesState::Reset() {
    seriesGroup_.reset();
    series_ = CompositionSeries{};
}

bool CompositionSeriesState::ComputeCompositionSeries(const GroupPtr& g, Progress& progress) {
    if (seriesGroup_ && seriesGroup_ == g) return series_.solvable;
    seriesGroup_.reset();
    series_ = BuildCompositionSeries(g, progress);
    if (series_.halted) return false;
    seriesGroup_ = g;
    return series_.solvable;
}

std::vector<std::string> CompositionSeriesState::NameAndRegister(const GroupRegistrar& registrar) {
    std::vector<std::string> ids;
    if (series_.terms.empty()) return ids;
    const std::string& groupId = series_.terms[0]->GroupID();
    for (int i = 1; i <= series_.Length(); ++i) {
        ids.push_back(SeriesTermID(i, groupId));
        series_.terms[static_cast<std::size_t>(i)]->SetGroupID(ids.back());
        registrar.Register(series_.terms[static_cast<std::size_t>(i)], ids.back());
    }
    return ids;
}

}  // namespace quorix
