// Building each model as a scene would: the object with all its meshes (target: under 2 ms each).
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "geometry/color.h"
#include "models/garden_tree.h"
#include "models/raf.h"
#include "models/tank.h"
#include "models/tanks_tree.h"

namespace {

template <typename Build>
void buildEach(benchmark::State& state, Build build) {
    std::srand(1);
    for (auto _ : state) {
        auto model = build();
        benchmark::DoNotOptimize(model.mesh().vertices().data());
    }
}

void BuildTank(benchmark::State& state) {
    buildEach(state, [] { return Tank(Color(0.4, 1.0, 0.2), 1.0); });
}
BENCHMARK(BuildTank)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();

void BuildGardenTree(benchmark::State& state) {
    buildEach(state, [] { return Garden::Tree(5); });
}
BENCHMARK(BuildGardenTree)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();

void BuildConifer(benchmark::State& state) {
    buildEach(state, [] { return Tanks::Tree(5, 0.1); });
}
BENCHMARK(BuildConifer)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();

// The van, for comparison.
void BuildVan(benchmark::State& state) {
    buildEach(state, [] { return RAF(Magenta, 1.0); });
}
BENCHMARK(BuildVan)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace
