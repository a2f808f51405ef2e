// Colourings up to symmetry, from the object's name to the number, as the
// count verb and the counting panel run them; and the list of one colouring
// per orbit.

#include <benchmark/benchmark.h>

#include "core/counting/burnside.h"
#include "core/counting/colouring_list.h"
#include "core/counting/symmetry_object.h"

using namespace quorix;
using namespace quorix::counting;

static void BM_CountNecklace40Colours30(benchmark::State& state) {
    for (auto _ : state) {
        const SymmetryObject object = MakeSymmetryObject("necklace(40)", false);
        benchmark::DoNotOptimize(CountColourings(*object.group, 30).count.get_mpz_t());
    }
}
BENCHMARK(BM_CountNecklace40Colours30)->Unit(benchmark::kMillisecond);

static void BM_CountIcosahedronFacesColours30(benchmark::State& state) {
    for (auto _ : state) {
        const SymmetryObject object = MakeSymmetryObject("icosahedron-faces", state.range(0) != 0);
        benchmark::DoNotOptimize(CountColourings(*object.group, 30).count.get_mpz_t());
    }
}
BENCHMARK(BM_CountIcosahedronFacesColours30)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

static void BM_CountCubeEdgesWeighted(benchmark::State& state) {
    for (auto _ : state) {
        const SymmetryObject object = MakeSymmetryObject("cube-edges", true);
        benchmark::DoNotOptimize(CountColouringsWithNumbers(*object.group, {4, 4, 2, 2}).count.get_mpz_t());
    }
}
BENCHMARK(BM_CountCubeEdgesWeighted)->Unit(benchmark::kMillisecond);

static void BM_ListBracelets10Colours3(benchmark::State& state) {
    Progress quiet;
    for (auto _ : state) {
        const SymmetryObject object = MakeSymmetryObject("bracelet(10)", false);
        benchmark::DoNotOptimize(ListColourings(*object.group, 3, {}, quiet).colourings.size());
    }
}
BENCHMARK(BM_ListBracelets10Colours3)->Unit(benchmark::kMillisecond);
