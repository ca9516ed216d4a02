#pragma once

#include "platform/message.h"

#include <cstdint>

class Graphics;

// Turns the mouse into what the scene does with it. A scene that aims with the pointer captures it at a
// click, then looks around with its motion, shoots with the left button and jumps with the right; any
// other scene is orbited by dragging with the left button, zoomed by the wheel and reset by a double click.
class PointerInput {
  public:
    // Radians of view turned per count of mouse motion (or per pixel of a drag).
    static constexpr double RadiansPerCount = 0.0025;

    // The mouse messages: buttons, motion and the wheel.
    void handle(Graphics& scene, const platform::Message& message);
    void buttonDown(Graphics& scene, std::uint32_t button, std::int32_t x, std::int32_t y, bool doubleClick);
    void buttonUp(Graphics& scene, std::uint32_t button);
    // The pointer's position while it is free; buttons are the MouseButtonBits held.
    void moved(Graphics& scene, std::int32_t x, std::int32_t y, std::uint32_t buttons);
    // The pointer's motion while it is captured.
    void rawMoved(Graphics& scene, std::int32_t dx, std::int32_t dy);
    // Gives the pointer back and lets go of the controls its buttons hold.
    void release(Graphics& scene);

    // Turns the view by a pointer's motion in counts, right and down, at the player's sensitivity and with
    // the look inverted if the player chose so; a finger's drag turns it the same way.
    static void lookBy(Graphics& scene, std::int32_t dx, std::int32_t dy);

  private:
    bool shootHeld_ = false;
    bool jumpHeld_ = false;
    bool dragging_ = false;
    std::int32_t lastX_ = 0;
    std::int32_t lastY_ = 0;
};
