#pragma once

#include "app/control_repeat.h"
#include "app/touch_gestures.h"
#include "platform/message.h"

#include <array>
#include <cstdint>

class Graphics;

// Turns fingers on a touch screen into what the keys and the mouse do. In a scene that aims with the
// pointer a finger on the left half is a stick that walks and steps aside (the arrows, A and F) and a
// finger on the right half looks (as the captured mouse); firing and jumping are the page's own buttons.
// Any other scene is orbited by one finger's drag (the mouse's drag), moved nearer and farther by a pinch
// (the wheel) and reset by a double tap (the double click).
class TouchInput {
  public:
    // The stick's radius, as a share of the window's shorter side: a push all the way.
    static constexpr double StickRadius = 0.15;
    // How far apart two taps of a double tap may land, as a share of the window's shorter side.
    static constexpr double DoubleTapNear = 0.08;

    // TouchDown, TouchMove and TouchUp.
    void handle(Graphics& scene, const platform::Message& message);
    // The client area's new size in pixels: the halves and the stick follow it.
    void resized(std::uint32_t width, std::uint32_t height);
    // Forgets every finger and lets go of the controls the stick holds: their releases can be lost with the
    // focus.
    void release(Graphics& scene);

  private:
    enum class Role { None, Stick, Look, Orbit };
    struct Finger {
        Role role = Role::None;
        std::uint32_t id = 0;
        // Where it landed, and where it was last seen.
        std::int32_t startX = 0;
        std::int32_t startY = 0;
        std::int32_t x = 0;
        std::int32_t y = 0;
    };

    void down(Graphics& scene, std::uint32_t id, std::int32_t x, std::int32_t y);
    void moved(Graphics& scene, Finger& finger, std::int32_t x, std::int32_t y);
    void up(Graphics& scene, Finger& finger);
    void pushStick(Graphics& scene, bool held, double dx, double dy);
    Finger* fingerOf(std::uint32_t id);
    Finger* fingerWith(Role role);
    double fingersApart() const;
    double shorterSide() const;

    std::array<Finger, 2> fingers_{};
    RepeatedControls controls_;
    Pinch pinch_;
    DoubleTap doubleTap_;
    std::uint32_t width_ = 0;
    std::uint32_t height_ = 0;
};
