#include "firstperson/walker.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/graphics.h"

double Walker::radius() const {
    return 2 * NearPlane;
}

double Walker::halfHeight() const {
    return HalfHeightPerRadius * radius();
}

void Walker::setActive(bool on) {
    forward = strafe = turn = 0;
    jump = false;
    Object::setActive(on);
}

namespace {

// Short of straight up and down, and shallow enough for a shot's climb not to carry it over backwards.
constexpr double LargestTilt = 80 * std::numbers::pi / 180;
// A sidestep goes at right angles to the forward axis.
constexpr double Sideways = std::numbers::pi / 2;

// Pressing sets the direction; releasing clears it only if it is still the released one.
void steer(double& axis, double direction, bool pressed) {
    if (pressed) {
        axis = direction;
    } else if (axis * direction > 0) {
        axis = 0;
    }
}

}  // namespace

Input& Walker::input(int control, bool pressed) {
    switch (control) {
        case Forward:
            steer(forward, +1, pressed);
            break;
        case Back:
            steer(forward, -1, pressed);
            break;
        case TurnLeft:
            steer(turn, -1, pressed);
            break;
        case TurnRight:
            steer(turn, +1, pressed);
            break;
        case StepLeft:
            steer(strafe, -1, pressed);
            break;
        case StepRight:
            steer(strafe, +1, pressed);
            break;
        case Jump:
            jump = pressed;
            break;
        default:
            break;
    }
    return *this;
}

Object& Walker::update(double dt) {
    if (!isAirborne()) {
        const double s = walkingSpeed();
        Vector v(0, velocity().y, 0);
        if (forward != 0) {
            v.add(Vector(forwardAxis()).scale(s * forward));
        }
        if (strafe != 0) {
            v.add(Vector(forwardAxis()).rotateY(Sideways).scale(s * strafe));
        }
        if (jump) {
            v.y += s * JumpPerWalkingSpeed;
        }
        setVelocity(v);
    }
    if (turn != 0) {
        face(Vector(forwardAxis()).rotateY(turn * std::numbers::pi * dt));
    }
    return Object::update(dt);
}

void Walker::look(double yaw, double pitch) {
    if (yaw != 0) {
        face(Vector(forwardAxis()).rotateY(yaw));
    }
    tilt = std::clamp(tilt + pitch, -LargestTilt, LargestTilt);
}

Vector Walker::viewAxis() const {
    // Level, it is exactly the forward axis.
    if (tilt == 0) {
        return forwardAxis();
    }
    return Vector(forwardAxis()).scale(std::cos(tilt)).add(Vector(AxisY).scale(std::sin(tilt)));
}
