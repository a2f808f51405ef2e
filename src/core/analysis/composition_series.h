#pragma once
// Composition series G = N0 > N1 > ... > Nk = {e}, each term the maximal
// normal subgroup of the previous one that FindMaximalNormalSubgroup picks,
// with the factors |N(i-1)| / |Ni| and solvability (every factor prime).

#include <string>
#include <vector>

#include "core/analysis/registrar.h"
#include "core/group/group.h"
#include "core/host/progress.h"

namespace quorix {

struct CompositionSeries {
    std::vector<GroupPtr> terms;  // terms[0] = G, then N1 .. Nk
    std::vector<int> factors;     // factors[0] = 0, factors[i] = |N(i-1)| / |Ni|
    bool solvable = true;
    bool halted = false;

    int Length() const { return static_cast<int>(terms.size()) - 1; }
};

// Computes the series without touching any cache. Stops (halted set,
// solvable false) when a stop is requested.
CompositionSeries BuildCompositionSeries(const GroupPtr& g, Progress& progress);

// "N|@" + i + "|(" + groupId + ")".
std::string SeriesTermID(int i, const std::string& groupId);

// The composition series of one group at a time. The desktop program and
// each command-line run keep one in their workbench.
class CompositionSeriesState {
public:
    // Solvability of g; fills the state. A second call for the same group
    // object answers from the cache; a halted run returns false and caches
    // nothing.
    bool ComputeCompositionSeries(const GroupPtr& g, Progress& progress);

    const GroupPtr& SeriesGroup() const { return seriesGroup_; }
    const CompositionSeries& Series() const { return series_; }
    bool Solvable() const { return series_.solvable; }

    // Sets the IDs of N1..Nk and registers them; returns the IDs (index i-1
    // for Ni).
    std::vector<std::string> NameAndRegister(const GroupRegistrar& registrar);

    void Reset();

private:
    GroupPtr seriesGroup_;
    CompositionSeries series_;
};

}  // namespace quorix
