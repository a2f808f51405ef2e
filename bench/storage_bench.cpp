// Group register: loading and rewriting a register file of 500 groups.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/group/group_spec.h"
#include "core/group/math_functions.h"
#include "core/storage/group_register.h"

using namespace quorix;
using storage::GroupRegister;

namespace {

GroupPtr tableOf(const Group& g) {
    CayleyTable t(static_cast<std::size_t>(g.order()));
    for (int a = 1; a <= g.order(); ++a)
        for (int b = 1; b <= g.order(); ++b) t[static_cast<std::size_t>(a - 1)].push_back(g.sourceName(g.srcMul(a, b)));
    auto copy = Group::Create();
    copy->Generate(t);
    return copy;
}

GroupPtr evenPart(const GroupPtr& parent) {
    ElementSet members;
    for (int k = 1; k <= parent->order(); ++k)
        if (MathFunctions::PermutationSign(parent->sourceName(parent->sourceOf(k))) == 1)
            members.set(static_cast<std::size_t>(k));
    auto g = Group::Create();
    g->GenerateSubgroup(parent, members);
    return g;
}

std::filesystem::path benchDir(const std::string& name) {
    auto dir = std::filesystem::temp_directory_path() / ("quorix_storage_bench_" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

// A session's worth of groups: search solutions (tables up to order 20),
// families, permutation groups, subgroups of unregistered parents,
// quotients and nested direct products, in turn.
std::filesystem::path mixedRegister() {
    static const std::filesystem::path dir = [] {
        auto d = benchDir("mixed");
        GroupRegister reg(d);
        const char* tables[] = {"Z2xZ2xZ4", "S3xZ3", "A4", "Z4xZ5", "Z2xS3", "U16"};
        const char* perms[] = {"perm:2341,2143", "perm:23451,21345", "perm:2134,1243,1324", "perm:213456,123564"};
        for (int i = 0; reg.Count() < 500; ++i) {
            const std::string n = std::to_string(i);
            switch (i % 8) {
                case 0:
                    reg.RegisterGroup(tableOf(*MakeGroupFromSpec(tables[i / 8 % 6])), "Group #" + n);
                    break;
                case 1:
                    reg.RegisterGroup(MakeGroupFromSpec(i % 3 ? "S4" : "S5"), "Sym" + n);
                    break;
                case 2:
                    reg.RegisterGroup(MakeGroupFromSpec("U" + std::to_string(3 + i % 60)), "U" + n);
                    break;
                case 3:
                    reg.RegisterGroup(MakeGroupFromSpec(perms[i / 8 % 4]), "Perm" + std::to_string(i % 7) + "-" + n);
                    break;
                case 4:
                    reg.RegisterGroup(evenPart(MakeGroupFromSpec(i % 3 ? "S4" : "S5")), "Subgroup-" + n);
                    break;
                case 5: {
                    auto s4 = MakeGroupFromSpec("S4");
                    auto a4 = evenPart(s4);
                    auto q = Group::Create();
                    q->GenerateQuotientGroup(s4, a4);
                    reg.RegisterGroup(q, "Quotient" + n);
                    break;
                }
                case 6:
                    reg.RegisterGroup(MakeGroupFromSpec("Z2xZ3xS3"), "DP" + n);
                    break;
                default:
                    reg.RegisterGroup(MakeGroupFromSpec("Z" + std::to_string(1 + i % 120)), "Z" + n);
                    break;
            }
        }
        return d;
    }();
    return dir;
}

// 500 permutation groups of order 120: the largest records there are.
std::filesystem::path largestRegister() {
    static const std::filesystem::path dir = [] {
        auto d = benchDir("largest");
        GroupRegister reg(d);
        for (int i = 0; i < 500; ++i)
            reg.RegisterGroup(MakeGroupFromSpec("perm:23451,21345"), "Perm5-" + std::to_string(i));
        return d;
    }();
    return dir;
}

void loadBench(benchmark::State& state, const std::filesystem::path& dir) {
    for (auto _ : state) {
        GroupRegister reg(dir);
        reg.SetReadOnly(true);
        if (!reg.LoadGroupRegister().Healthy() || reg.Count() != 500) state.SkipWithError("register did not load");
        benchmark::DoNotOptimize(reg.Count());
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(dir / storage::kRegisterFileName));
}

}  // namespace

static void BM_LoadRegister500Mixed(benchmark::State& state) { loadBench(state, mixedRegister()); }
BENCHMARK(BM_LoadRegister500Mixed)->Unit(benchmark::kMillisecond);

static void BM_LoadRegister500Order120(benchmark::State& state) { loadBench(state, largestRegister()); }
BENCHMARK(BM_LoadRegister500Order120)->Unit(benchmark::kMillisecond);

static void BM_RewriteRegister500Mixed(benchmark::State& state) {
    GroupRegister reg(mixedRegister());
    reg.LoadGroupRegister();
    for (auto _ : state) reg.RewriteRegisterFile();
}
BENCHMARK(BM_RewriteRegister500Mixed)->Unit(benchmark::kMillisecond);
