// The van and the viewer: building the model, and the cost of a presented frame of the viewer against that
// of a bare window, measured in the same run on the same display so that the two compare.
// The frame benchmarks open a real window, shown maximised: run them inside a display with a window manager
// (scripts/with-display.sh). The driver rasterises on threads of its own, so process CPU time is measured.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <thread>

#include "app/logic.h"
#include "geometry/color.h"
#include "models/raf.h"
#include "platform/message_queue.h"
#include "studio/studio.h"

namespace {

// A window that only clears, pauses as the frame step does and swaps: nothing registered, no status text.
class BareWindow : public Logic {
  public:
    BareWindow() : Logic("Bare window", 13, Black) {}
    Input& input(int, bool) override { return *this; }
};

// Handles what waits, as the message loop does before it runs a frame.
void dispatchWaiting() {
    platform::Message message;
    while (platform::peekMessage(message)) {
        platform::dispatchMessage(message);
    }
}

// Shows the scene's window maximised, as the program does, and lets the window manager settle it.
void showMaximised() {
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    SDL_ShowWindow(window);
    SDL_MaximizeWindow(window);
    const auto settled = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (std::chrono::steady_clock::now() < settled) {
        dispatchWaiting();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// One iteration is one frame step as the message loop runs it: update, the 20 ms pause, draw and swap.
// "frames" counts the frames drawn per iteration, so that the figures are per presented frame.
template <typename Scene>
void Frame(benchmark::State& state) {
    Scene scene;
    showMaximised();
    for (int warmUp = 0; warmUp < 10; ++warmUp) {
        scene.frame();
    }
    const auto framesBefore = scene.frames;
    for (auto _ : state) {
        dispatchWaiting();
        scene.frame();
    }
    state.counters["frames"] = benchmark::Counter(static_cast<double>(scene.frames - framesBefore),
                                                  benchmark::Counter::kAvgIterations);
    int width = 0;
    int height = 0;
    SDL_GL_GetDrawableSize(SDL_GL_GetCurrentWindow(), &width, &height);
    state.SetLabel(std::to_string(width) + "x" + std::to_string(height));
}

void BuildVan(benchmark::State& state) {
    for (auto _ : state) {
        RAF van(Magenta, 1.0);
        benchmark::DoNotOptimize(&van);
    }
}

}  // namespace

BENCHMARK(BuildVan)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(Frame<BareWindow>)
    ->Name("BareWindowFrame")
    ->Iterations(200)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(Frame<Studio>)
    ->Name("ViewerFrame")
    ->Iterations(200)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
