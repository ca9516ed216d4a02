#pragma once

#include <chrono>

#include "app/logic.h"
#include "firstperson/hero.h"
#include "firstperson/logic.h"
#include "geometry/color.h"

// A clock that reads what the test sets and a frame pause that does not wait, for scenes driven frame by
// frame with a fixed frame time.
class SteppedClock {
  public:
    using TimePoint = FrameClock::TimePoint;

    FrameClock seam() {
        return FrameClock{[this] { return reading; }, [](TimePoint) {}};
    }
    void advance(std::chrono::nanoseconds step) { reading += step; }

  private:
    TimePoint reading = TimePoint(std::chrono::seconds(1000));
};

// A combat scene with a real window (the tests run in a virtual display) and its player, built as the
// program builds it: once the window exists.
class PlayerScene {
  public:
    PlayerScene() : scene("combat test", 13, nullptr, Black) {
        hero = new FirstPerson::Hero();
        scene.hero = hero;
    }

    FirstPerson::Logic scene;
    // Registered in the scene, which deletes it.
    FirstPerson::Hero* hero;
};
