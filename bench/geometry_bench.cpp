#include <benchmark/benchmark.h>

#include <memory>

#include "geometry/box_mesh.h"
#include "geometry/cylinder_mesh.h"
#include "geometry/grid_mesh.h"
#include "geometry/sphere_mesh.h"

namespace {

void BM_BoxMesh(benchmark::State& state) {
    for (auto _ : state) {
        BoxMesh box(true, 1, 2, 3);
        benchmark::DoNotOptimize(box.vertices().data());
    }
}
BENCHMARK(BM_BoxMesh);

void BM_CylinderMesh(benchmark::State& state) {
    for (auto _ : state) {
        CylinderMesh cylinder(8, 2, true, true);
        benchmark::DoNotOptimize(cylinder.vertices().data());
    }
}
BENCHMARK(BM_CylinderMesh);

void BM_SphereMesh(benchmark::State& state) {
    for (auto _ : state) {
        SphereMesh sphere(8, 4);
        benchmark::DoNotOptimize(sphere.vertices().data());
    }
}
BENCHMARK(BM_SphereMesh);

void BM_GridMesh(benchmark::State& state) {
    const auto size = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        GridMesh grid(size, size);
        benchmark::DoNotOptimize(grid.vertices().data());
    }
}
BENCHMARK(BM_GridMesh)->Arg(10)->Arg(39);

// A grid whose every vertex has a twin 0.0004 away, with every other face moved onto the twins: welding
// finds one close pair per vertex and re-points half the faces.
std::unique_ptr<Mesh> gridWithTwins(unsigned size) {
    GridMesh grid(size, size);
    auto mesh = std::make_unique<Mesh>();
    std::vector<Vertex*> originals, twins;
    for (const auto& v : grid.vertices()) {
        originals.push_back(mesh->addVertex(std::make_unique<Vertex>(*v)));
    }
    for (const auto& v : grid.vertices()) {
        auto twin = std::make_unique<Vertex>(*v);
        twin->z += 0.0004;
        twins.push_back(mesh->addVertex(std::move(twin)));
    }
    const auto& vertices = grid.vertices();
    auto index = [&](const Vertex* v) {
        for (std::size_t i = 0; i < vertices.size(); ++i) {
            if (vertices[i].get() == v) {
                return i;
            }
        }
        return vertices.size();
    };
    bool twin = false;
    for (const auto& face : grid.faces()) {
        const auto& t = static_cast<const TriangleFace&>(*face);
        const auto& pick = twin ? twins : originals;
        mesh->addFace(std::make_unique<TriangleFace>(pick[index(t.a)], pick[index(t.b)], pick[index(t.c)]));
        twin = !twin;
    }
    return mesh;
}

// Grids of 6, 13 and 27 cells a side give about 100, 400 and 1,600 vertices before welding.
void BM_Weld(benchmark::State& state) {
    const auto size = static_cast<unsigned>(state.range(0));
    state.counters["vertices"] = static_cast<double>(gridWithTwins(size)->vertices().size());
    for (auto _ : state) {
        state.PauseTiming();
        auto mesh = gridWithTwins(size);
        state.ResumeTiming();
        mesh->weld(0.001);
        benchmark::DoNotOptimize(mesh->vertices().data());
        state.PauseTiming();
        mesh.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Weld)->Arg(6)->Arg(13)->Arg(27);

// Merging a jittered copy of a grid into itself: clones, new vertices and a weld of twice the vertices.
void BM_MergeJitteredCopy(benchmark::State& state) {
    const auto size = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        GridMesh grid(size, size);
        auto copy = grid.copy();
        for (const auto& v : copy->vertices()) {
            v->z += 0.0004;
        }
        state.ResumeTiming();
        grid.merge(*copy);
        benchmark::DoNotOptimize(grid.vertices().data());
    }
}
BENCHMARK(BM_MergeJitteredCopy)->Arg(9)->Arg(19)->Arg(39);

}  // namespace
