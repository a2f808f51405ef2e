// Building and registering named groups as the generator panels do, and
// writing a group's view.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/group/group.h"
#include "core/group/permutation_closure.h"
#include "core/display/views.h"
#include "core/storage/group_register.h"
#include "core/workbench/workbench.h"

using namespace quorix;

namespace {

std::filesystem::path scratch(const char* name) {
    auto dir = std::filesystem::temp_directory_path() / name;
    std::filesystem::create_directories(dir);
    std::filesystem::remove(dir / storage::kRegisterFileName);
    return dir;
}

}  // namespace

// A fresh register with its file each round: generation, registration, append.
static void BM_GenerateAndRegisterS5(benchmark::State& state) {
    const auto dir = scratch("quorix_bench_s5");
    for (auto _ : state) {
        storage::GroupRegister reg(dir);
        auto g = Group::Create();
        g->GenerateSymmetric(5);
        reg.RegisterGroup(g);
        state.PauseTiming();
        std::filesystem::remove(dir / storage::kRegisterFileName);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_GenerateAndRegisterS5)->Unit(benchmark::kMillisecond);

// Two 5-cycles completed to A5 (60 elements) by the closure, then generated
// and registered under a Perm ID.
static void BM_PermutationGroupA5(benchmark::State& state) {
    const auto dir = scratch("quorix_bench_a5");
    for (auto _ : state) {
        storage::GroupRegister reg(dir);
        const ClosureResult closed = ClosePermutations({"12345", "23451", "24153"}, true, kMaxGroupOrder);
        auto g = Group::Create();
        g->GeneratePermutational(closed.elements);
        reg.RegisterGroup(g, "Perm5-1");
        if (g->Order() != 60) state.SkipWithError("not A5");
        state.PauseTiming();
        std::filesystem::remove(dir / storage::kRegisterFileName);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PermutationGroupA5)->Unit(benchmark::kMillisecond);

static void BM_DirectProductZ2Z2Z30(benchmark::State& state) {
    const auto dir = scratch("quorix_bench_dp");
    for (auto _ : state) {
        storage::GroupRegister reg(dir);
        GroupPtr product;
        for (int m : {2, 2, 30}) {
            auto z = Group::Create();
            z->GenerateAdditive(m);
            if (!product) {
                product = z;
                continue;
            }
            auto p = Group::Create();
            p->GenerateDirectProduct(product, z);
            product = p;
        }
        reg.RegisterGroup(product);
        state.PauseTiming();
        std::filesystem::remove(dir / storage::kRegisterFileName);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DirectProductZ2Z2Z30)->Unit(benchmark::kMillisecond);

// The S5 view with the symmetric panel's default components, into a new file
// each round, on a fresh workbench (no cached subgroup list).
static void BM_WriteS5View(benchmark::State& state) {
    const auto dir = scratch("quorix_bench_view");
    auto s5 = Group::Create();
    s5->GenerateSymmetric(5);
    const std::string path = (dir / "SymmetricGroupView.html").string();
    for (auto _ : state) {
        Workbench bench;
        GroupRegistrar registrar;
        const ViewResult r =
            WriteGroupView(ViewKind::Symmetric, s5, path,
                           bench.MakeViewOptions(DefaultViewComponents(ViewKind::Symmetric), registrar));
        benchmark::DoNotOptimize(r.anchor);
        state.PauseTiming();
        std::filesystem::remove(path);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WriteS5View)->Unit(benchmark::kMillisecond);
