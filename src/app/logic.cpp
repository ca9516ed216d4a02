#include "app/logic.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <utility>

#include "platform/pause.h"
#include "scene/object.h"
#include "scene/registry.h"

namespace {
// A stall (a dragged window, a debugger stop) advances the scene by no more than this.
constexpr double LongestStep = 0.1;
constexpr auto FramePause = std::chrono::milliseconds(20);
}  // namespace

void FrameClock::sleepUntilDeadline(TimePoint deadline) {
    platform::pauseUntil(deadline);
}

Logic::Logic(std::string_view title, double size, const Color& background, FrameClock clock)
    : Graphics(title, size, background), clock_(std::move(clock)) {
    const auto seconds = static_cast<std::uint32_t>(std::time(nullptr));
    const auto ticks = static_cast<std::uint32_t>(std::clock());
    std::srand(seconds * ticks);
    lastFrame = clock_.now();
    bindStage(this);
}

Logic::~Logic() {
    // Each deletion unregisters the object, and with it any registered objects it holds.
    while (!registry.empty()) {
        delete registry.front();
    }
    bindStage(nullptr);
}

void Logic::draw() {
    drawObjects();
}

void Logic::frame() {
    step();
    Graphics::frame();
}

void Logic::step() {
    const FrameClock::TimePoint now = clock_.now();
    const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(now - lastFrame);
    const double elapsed = static_cast<double>(nanoseconds.count()) / 1e9;
    const double dt = std::min(elapsed, LongestStep);
    if (dt > 0) {
        if (!paused) {
            update(dt);
            sceneTime += dt;
        }
        wallTime += elapsed;
        lastFrame = now;
    }
    clock_.sleepUntil(clock_.now() + FramePause);
}

void Logic::update(double dt) {
    // By index: an object built during an update would move the entries.
    for (std::size_t i = 0; i < registry.size(); ++i) {
        registry[i]->update(dt);
    }
}

void Logic::drawObjects() {
    for (std::size_t i = 0; i < registry.size(); ++i) {
        Object& object = *registry[i];
        if (!object.isActive()) {
            continue;
        }
        pushMatrix();
        multMatrix(object.placement());
        object.draw();
        popMatrix();
    }
    Graphics::draw();
}

Logic& logic() {
    return dynamic_cast<Logic&>(graphics());
}
