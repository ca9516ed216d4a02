#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/logic.h"
#include "firstperson/combat.h"
#include "geometry/vector.h"

namespace FirstPerson {

class Hero;

// The combat scene: the camera is the player's eyes while the player lives and a slow overview circling the
// scene otherwise. It keeps the score, shows it with a few statistics in the caption and the overlay (cyan
// while the player lives, white otherwise, pulsing), and hands every control to the player.
class Logic : public ::Logic, public Combat {
  public:
    // avatar may be null, or set later by a scene that can only build it once the window exists; it is not
    // owned here: like every object it is registered, and deleted with the scene.
    Logic(std::string_view title, double size, Hero* avatar, const Color& background, FrameClock clock = {});
    ~Logic() override;

    Input& input(int control, bool pressed) override;
    // Places the camera, then draws the objects.
    void draw() override;
    // The status text's colour, then every object.
    void update(double dt) override;

    // The mouse and a pad's right stick turn the player's view; the pointer aims, and a cross marks the
    // view's centre while the player lives.
    void look(double yaw, double pitch) override;
    bool aimsWithPointer() const override { return true; }
    // Paused, a click only focuses the window; the pointer it asked for is taken when play goes on.
    bool takesPointerOnClick() override;
    bool showsCrosshair() const override;
    // P and a pad's Start pause and resume; losing the focus pauses until the player resumes.
    void togglePause() override;
    void focusLost() override;
    // Stops or restarts the scene clock and says so in the status line.
    void pause(bool on);

    // The overview: high above the world's edge, looking down on the middle.
    virtual Vector idleEye() const;
    virtual Vector idleTarget() const;

    // Where the camera is and what it looks at this frame.
    Vector eye() const;
    Vector target() const;
    // Whether the camera sees through the player's eyes.
    bool seesThroughPlayer() const;

    Object* player() const override;
    std::uint32_t currentScore() const override { return score; }
    // Changes the score by delta and shows the new status; a change that would take the score below 0 is
    // refused and leaves it as it was. Returns the score after the call.
    std::uint32_t addScore(std::int32_t delta) override;

    // The status shown: "[ score : per shot : per second alive : frames per second ]", the parts without a
    // measure left out; empty while the score is 0.
    const std::string& status() const { return status_; }
    // Shows text in the status's place, not in the caption, until the first point; a pause does not lose it.
    void hint(std::string_view text);

    std::uint32_t score = 0;
    Hero* hero = nullptr;

  private:
    std::string status_;
    std::string hint_;
    bool pointerOnResume_ = false;
};

}  // namespace FirstPerson
