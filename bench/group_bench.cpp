// Group model: generation, products and the isomorphism test.

#include <benchmark/benchmark.h>

#include "core/group/group.h"
#include "core/group/group_spec.h"

using namespace quorix;

static void BM_GenerateS5(benchmark::State& state) {
    for (auto _ : state) {
        auto g = Group::Create();
        g->GenerateSymmetric(5);
        benchmark::DoNotOptimize(g->Element(120));
    }
}
BENCHMARK(BM_GenerateS5)->Unit(benchmark::kMicrosecond);

// The largest tables: S7 (5,040 elements, from its permutations) and GL(2,7)
// (2,016 matrices over Z_7, a described group).
static void BM_GenerateS7(benchmark::State& state) {
    for (auto _ : state) {
        auto g = Group::Create();
        g->GenerateSymmetric(7);
        benchmark::DoNotOptimize(g->mul(5040, 5040));
    }
}
BENCHMARK(BM_GenerateS7)->Unit(benchmark::kMillisecond);

static void BM_GenerateGL27(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(MakeGroupFromSpec("GL(2,7)")->order());
}
BENCHMARK(BM_GenerateGL27)->Unit(benchmark::kMillisecond);

static void BM_ProductByName(benchmark::State& state) {
    auto g = MakeGroupFromSpec("S5");
    int k1 = 1, k2 = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(g->Product(k1, k2));
        k1 = k1 % 120 + 1;
        k2 = (k2 + 7) % 120 + 1;
    }
}
BENCHMARK(BM_ProductByName);

static void BM_ProductFast(benchmark::State& state) {
    auto g = MakeGroupFromSpec("S5");
    int k = 1;
    for (auto _ : state) {
        k = g->mul(k, 37);
        benchmark::DoNotOptimize(k);
    }
}
BENCHMARK(BM_ProductFast);

// Two groups of order 16 with the same element-order histogram (1, 3, 12 of
// orders 1, 2, 4): Z4 x Z4 and Z2 x Q8. A fresh pair each round so that no
// invariant stays cached.
static GroupPtr quaternion() {
    const char* q[8] = {"1", "i", "j", "k", "-1", "-i", "-j", "-k"};
    // Index arithmetic on +-1, i, j, k.
    auto mulq = [](int a, int b) {
        static const int t[4][4] = {{0, 1, 2, 3}, {1, 4, 3, 6}, {2, 7, 4, 1}, {3, 2, 5, 4}};
        int sa = a / 4, sb = b / 4;
        int r = t[a % 4][b % 4];
        int s = (sa + sb + r / 4) % 2;
        return (r % 4) + 4 * s;
    };
    CayleyTable t(8, std::vector<std::string>(8));
    for (int a = 0; a < 8; ++a)
        for (int b = 0; b < 8; ++b) t[a][b] = q[mulq(a, b)];
    auto g = Group::Create();
    g->Generate(t);
    return g;
}

static void BM_IsIsomorphicOrder16SameHistogramNo(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto a = MakeGroupFromSpec("Z4xZ4");
        auto b = Group::Create();
        b->GenerateDirectProduct(MakeGroupFromSpec("Z2"), quaternion());
        auto ta = Group::Create();
        CayleyTable t(16, std::vector<std::string>(16));
        for (int i = 1; i <= 16; ++i)
            for (int j = 1; j <= 16; ++j) t[i - 1][j - 1] = a->Product(i, j);
        ta->Generate(t);
        state.ResumeTiming();
        benchmark::DoNotOptimize(ta->IsIsomorphic(*b));
    }
}
BENCHMARK(BM_IsIsomorphicOrder16SameHistogramNo)->Unit(benchmark::kMicrosecond);

static void BM_IsIsomorphicOrder16Yes(benchmark::State& state) {
    auto a = MakeGroupFromSpec("Z2xZ2xZ4");
    CayleyTable t(16, std::vector<std::string>(16));
    for (int i = 1; i <= 16; ++i)
        for (int j = 1; j <= 16; ++j) t[i - 1][j - 1] = a->Product(i, j);
    for (auto _ : state) {
        state.PauseTiming();
        auto ta = Group::Create();
        ta->Generate(t);
        auto other = MakeGroupFromSpec("Z2xZ2xZ4");
        state.ResumeTiming();
        benchmark::DoNotOptimize(ta->IsIsomorphic(*other));
    }
}
BENCHMARK(BM_IsIsomorphicOrder16Yes)->Unit(benchmark::kMicrosecond);

static void BM_GenerateCayleyTable16(benchmark::State& state) {
    auto a = MakeGroupFromSpec("Z2xZ8");
    CayleyTable t(16, std::vector<std::string>(16));
    const char* codes = "1abcdefghijklmno";
    for (int i = 1; i <= 16; ++i)
        for (int j = 1; j <= 16; ++j) t[i - 1][j - 1] = std::string(1, codes[a->mul(i, j) - 1]);
    for (auto _ : state) {
        auto g = Group::Create();
        g->Generate(t);
        benchmark::DoNotOptimize(g->order());
    }
}
BENCHMARK(BM_GenerateCayleyTable16)->Unit(benchmark::kMicrosecond);
