// Groups from presentations: parse, coset enumeration and the group built
// from the table; refusals of infinite groups and of a group of order 168.

#include <benchmark/benchmark.h>

#include "core/group/families.h"
#include "core/presentation/presented_group.h"

using namespace quorix;

namespace {

const char* const kPresentations[] = {
    "<a,b | a^2, b^3, (ab)^5>",                                                        // A5, 60
    "<a,b | a^4, b^2, (ab)^2>",                                                        // D4, 8
    "<a,b | a^7 = b^3 = 1, bab^-1 = a^2>",                                             // 7:3, 21
    "<a,b | a^6, a^3 = b^2, bab^-1 = a^-1>",                                           // Dic3, 12
    "<a,b | a^2, b^3, (ab)^4>",                                                        // S4, 24
    "<a,b | a^30, b^2, (ab)^2>",                                                       // D30, 60
    "<a,b | a^60, b^2, (ab)^2>",                                                       // D60, 120
    "<a,x | a^30, x^2 = a^15, xax^-1 = a^-1>",                                         // Dic15, 60
    "<a,b | a^5, b^4, bab^-1 = a^2>",                                                  // F20
    "<s,t,u,v | s^2, t^2, u^2, v^2, (st)^3, (tu)^3, (uv)^3, (su)^2, (sv)^2, (tv)^2>",  // S5, 120
    "<a,b | a^3, b^3, (ab)^3, (a^-1b)^3 = (ab^-1)^2>",                                 // order 21
    "<a,b,c | a^2, b^2, c^2, (ab)^2, (bc)^2, (ac)^2>",                                 // Z2^3
    "<x,y | x^2, y^3, [x,y]^2 = 1, (xy)^6>",                                           // order 24
};

}  // namespace

static void BM_PresentationA5(benchmark::State& state) {
    Progress quiet;
    for (auto _ : state) {
        PresentedGroup r = MakeGroupFromPresentation("<a,b | a^2, b^3, (ab)^5>", quiet);
        benchmark::DoNotOptimize(r.group->order());
    }
}
BENCHMARK(BM_PresentationA5)->Unit(benchmark::kMicrosecond);

// Each presentation of the set; the label gives the order.
static void BM_PresentationSet(benchmark::State& state) {
    Progress quiet;
    const char* text = kPresentations[state.range(0)];
    state.SetLabel(std::string(text) + " -> order " +
                   std::to_string(MakeGroupFromPresentation(text, quiet).group->order()));
    for (auto _ : state) {
        PresentedGroup r = MakeGroupFromPresentation(text, quiet);
        benchmark::DoNotOptimize(r.group->order());
    }
}
BENCHMARK(BM_PresentationSet)
    ->DenseRange(0, static_cast<int>(std::size(kPresentations)) - 1)
    ->Unit(benchmark::kMicrosecond);

static void BM_PresentationRefused(benchmark::State& state) {
    const char* text = state.range(0) == 0   ? "<a,b | ab = ba>"
                       : state.range(0) == 1 ? "<a,b | a^2, b^3, (ab)^7, [a,b]^4>"  // order 168
                                             : "<a,b | a^2, b^3, (ab)^7>";          // infinite, perfect
    Progress quiet;
    for (auto _ : state) {
        try {
            MakeGroupFromPresentation(text, quiet);
            state.SkipWithError("not refused");
        } catch (const InvalidArgument&) {}
    }
    state.SetLabel(text);
}
BENCHMARK(BM_PresentationRefused)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

static void BM_MatrixGroupSL25(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(MakeMatrixGroup(MatrixGroupKind::SL, 5)->order());
}
BENCHMARK(BM_MatrixGroupSL25)->Unit(benchmark::kMicrosecond);
