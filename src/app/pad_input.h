#pragma once

#include "app/control_repeat.h"
#include "platform/message.h"

#include <cstdint>
#include <functional>

class Graphics;

// Turns a game controller's named controls into what the scene does: the left stick walks and steps (the
// viewer: moves and orbits), the right stick turns with its sideways push and tilts the view with its
// forward push, A jumps, B or the right trigger shoots, Start pauses and Back quits. Sticks and buttons
// act like keys, with the keyboard's repeat.
class PadInput {
  public:
    using Clock = std::function<ControlRepeat::TimePoint()>;

    // Radians per second of tilt with the right stick pushed all the way.
    static constexpr double TiltRate = 1.5;

    explicit PadInput(Clock clock = [] { return std::chrono::steady_clock::now(); });

    // PadMove; Back closes the scene.
    void handle(Graphics& scene, const platform::Message& message);
    // One poll: the sticks as PadMove carries them, the PadButton bits. Returns true when Back is pressed.
    bool moved(Graphics& scene, std::uint32_t leftStick, std::uint32_t rightStick, std::uint32_t buttons);

  private:
    Clock clock_;
    RepeatedControls controls_;
    ControlRepeat previousModel_{PreviousModel};
    ControlRepeat nextModel_{NextModel};
    std::uint32_t lastButtons_ = 0;
    bool polled_ = false;
    ControlRepeat::TimePoint lastPoll_{};
};
