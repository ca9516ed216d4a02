// A presented frame of the combat program's arena, against a bare window that only clears, pauses 20 ms
// and swaps, both in a shown 1280x1024 window on the same display. Process CPU counts the driver's own
// rasterising threads; real time includes the pause. The arena without its overlay gives the overlay's share
// of a frame. The same frames paced by the display (the setting pacing = "display": no pause, each swap waits
// for the display where it can) show how many frames a second that pacing presents. Run inside a display
// (scripts/with-display.sh).
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>

#include "app/logic.h"
#include "firstperson/arena.h"
#include "geometry/color.h"

namespace {

constexpr int Width = 1280;
constexpr int Height = 1024;

// Shows the live scene's window at the benchmark's size and reports the size it got.
void showAtBenchmarkSize(Graphics& scene, benchmark::State& state) {
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    SDL_ShowWindow(window);
    SDL_SetWindowSize(window, Width, Height);
    int width = 0;
    int height = 0;
    SDL_GL_GetDrawableSize(window, &width, &height);
    scene.resize(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height));
    state.counters["width"] = width;
    state.counters["height"] = height;
}

// A scene with nothing in it: each frame clears, pauses and swaps.
class BareWindow : public Logic {
  public:
    BareWindow() : Logic("bare window", 13, Black) {}
    Input& input(int, bool) override { return *this; }
};

// The arena with no text over it: no hint, status or aiming cross.
class ArenaWithoutOverlay : public FirstPerson::Arena {
  public:
    void update(double dt) override {
        Arena::update(dt);
        showHint("");
    }
    bool showsCrosshair() const override { return false; }
};

// The CPU time of the calling thread: the scene's own work and its GL calls, with the driver's vertex work
// and binning, which run on the calling thread, but without its rasterising threads.
double mainThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// "presented/s" counts the frames presented per second of real time with the pacing given: the frame step's
// pause of 20 ms, or the display's rate.
template <class Scene>
void PresentedFrame(benchmark::State& state, Pacing pacing = Pacing::Pause) {
    Scene scene;
    Settings paced = scene.settings;
    paced.pacing = pacing;
    scene.applySettings(paced);
    showAtBenchmarkSize(scene, state);
    // Settled: the first frames build what is built lazily.
    for (int i = 0; i < 10; ++i) {
        scene.frame();
    }
    const auto framesBefore = scene.frames;
    const auto start = std::chrono::steady_clock::now();
    const double mainBefore = mainThreadSeconds();
    for (auto _ : state) {
        scene.frame();
    }
    const double mainSeconds = mainThreadSeconds() - mainBefore;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.counters["presented/s"] = static_cast<double>(scene.frames - framesBefore) / elapsed.count();
    // The rest of the process CPU is the driver's rasterising threads.
    state.counters["main_ms"] = benchmark::Counter(1000 * mainSeconds, benchmark::Counter::kAvgIterations);
}

void BareWindowFrame(benchmark::State& state) {
    PresentedFrame<BareWindow>(state);
}
BENCHMARK(BareWindowFrame)->Unit(benchmark::kMillisecond)->MinTime(5)->MeasureProcessCPUTime()->UseRealTime();

void ArenaFrame(benchmark::State& state) {
    PresentedFrame<FirstPerson::Arena>(state);
}
BENCHMARK(ArenaFrame)->Unit(benchmark::kMillisecond)->MinTime(5)->MeasureProcessCPUTime()->UseRealTime();

void BareWindowDisplayPacedFrame(benchmark::State& state) {
    PresentedFrame<BareWindow>(state, Pacing::Display);
}
BENCHMARK(BareWindowDisplayPacedFrame)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(5)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void ArenaDisplayPacedFrame(benchmark::State& state) {
    PresentedFrame<FirstPerson::Arena>(state, Pacing::Display);
}
BENCHMARK(ArenaDisplayPacedFrame)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(5)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void ArenaWithoutOverlayFrame(benchmark::State& state) {
    PresentedFrame<ArenaWithoutOverlay>(state);
}
BENCHMARK(ArenaWithoutOverlayFrame)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(5)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace
