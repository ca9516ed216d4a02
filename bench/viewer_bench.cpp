// The van and the viewer: building the model, and one frame's work without the frame's pause.
// The frame benchmark opens a real window: run it inside a display (scripts/with-display.sh).
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include "geometry/color.h"
#include "models/raf.h"
#include "studio/studio.h"

namespace {

void BuildVan(benchmark::State& state) {
    for (auto _ : state) {
        RAF van(Magenta, 1.0);
        benchmark::DoNotOptimize(&van);
    }
}
BENCHMARK(BuildVan)->Unit(benchmark::kMicrosecond);

// update plus draw of the whole scene, finished on the GPU (llvmpipe here), without the 20 ms pause.
void ViewerFrameWork(benchmark::State& state) {
    Studio studio;
    for (auto _ : state) {
        studio.update(0.02);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        studio.draw();
        glFinish();
    }
}
BENCHMARK(ViewerFrameWork)->Unit(benchmark::kMicrosecond);

}  // namespace
