// The scene step: one update of every registered object (whose contact search visits every other object),
// and the draw traversal. Both open a real window: run them inside a display (scripts/with-display.sh).
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

#include "app/logic.h"
#include "geometry/box_mesh.h"
#include "scene/mesh_object.h"

namespace {

class BenchScene : public Logic {
  public:
    BenchScene() : Logic("scene bench", 13, Black) {}
    Input& input(int, bool) override { return *this; }
};

// A box of side 0.3 centred on its position.
class Crate : public MeshObject {
  public:
    Crate() : mesh_(true, 1, 1, 1) { mesh_.translate(-0.5, -0.5, -0.5).scale(0.3); }
    const Mesh& mesh() const override { return mesh_; }

  private:
    BoxMesh mesh_;
};

// count active crates resting on the ground on a sunflower spiral inside the world edge, apart enough
// that few touch. The scene deletes them.
void spreadCrates(int count) {
    const double golden = std::numbers::pi * (3 - std::sqrt(5.0));
    for (int i = 0; i < count; ++i) {
        auto* crate = new Crate;
        const double r = 11.5 * std::sqrt((i + 0.5) / count);
        crate->place(r * std::cos(i * golden), r * std::sin(i * golden));
        crate->setActive(true);
    }
}

void SceneUpdate(benchmark::State& state) {
    BenchScene scene;
    spreadCrates(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        scene.update(0.02);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(SceneUpdate)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond)->Complexity();

// The traversal of 100 crates, finished on the GPU (llvmpipe here).
void SceneDrawObjects(benchmark::State& state) {
    BenchScene scene;
    spreadCrates(100);
    scene.lookAt(Vector(0, 15, 15), Vector(0, 0, 0), AxisY);
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        scene.drawObjects();
        glFinish();
    }
}
BENCHMARK(SceneDrawObjects)->Unit(benchmark::kMicrosecond);

}  // namespace
