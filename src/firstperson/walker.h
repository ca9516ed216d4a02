#pragma once

#include "app/input.h"
#include "scene/object.h"

// The player's body: an invisible upright cylinder that walks, sidesteps, turns and jumps on the control
// codes. It steers only while it stands on something; in the air it can still turn but its path is left to
// gravity.
class Walker : public Object, public Input {
  public:
    Walker() = default;

    // Nothing to draw: the camera sits inside it.
    void draw() override {}
    // Twice the near plane, so that the camera at its centre never sees through what it touches.
    double radius() const override;
    double halfHeight() const override;
    // Let go of every control as well.
    void setActive(bool on) override;
    using Object::setVelocity;

    // Arrows walk and turn, 'A' and 'F' sidestep, Enter jumps. A release only stops its own direction.
    Input& input(int control, bool pressed) override;
    Object& update(double dt) override;

    // Turns by yaw (to the right) and tilts the view by pitch (upwards), in radians; the tilt stops short of
    // straight up and down.
    void look(double yaw, double pitch);
    // Where the eyes look: the forward axis tilted up or down.
    Vector viewAxis() const;

    // A standing body: its half height over its radius.
    static constexpr double HalfHeightPerRadius = 2.5;
    static constexpr double HalfHeightsPerSecond = 7;
    // A jump leaves the ground upwards at this share of the walking speed.
    static constexpr double JumpPerWalkingSpeed = 4.0 / 3;

    // Units per second on the ground.
    double walkingSpeed() const { return HalfHeightsPerSecond * halfHeight(); }

    // -1, 0 or +1 each.
    double forward = 0;
    double strafe = 0;
    double turn = 0;
    bool jump = false;
    // Radians above the horizon the view is tilted; 0 looks straight ahead.
    double tilt = 0;
};
