#include "app/touch_gestures.h"

#include "platform/message.h"

#include <algorithm>
#include <cmath>

namespace {

// A push as a centred joystick axis, so that the joystick's thirds apply.
int asAxis(double push, double radius) {
    constexpr double fullPush = platform::AxisCentre - 1;
    return static_cast<int>(std::lround(std::clamp(push / radius, -1.0, 1.0) * fullPush));
}

}  // namespace

StickPush stickPush(double dx, double dy, double radius) {
    if (radius <= 0) {
        return {Third::Centre, Third::Centre};
    }
    return {thirdOf(asAxis(dx, radius)), thirdOf(asAxis(dy, radius))};
}

void Pinch::start(double distance) {
    reference_ = distance;
}

int Pinch::notches(double distance) {
    if (reference_ <= 0 || distance <= 0) {
        return 0;
    }
    const double steps = std::log(distance / reference_) / std::log(NotchRatio);
    const double whole = std::trunc(steps);
    // The rest of a notch carries on to the next move.
    reference_ *= std::pow(NotchRatio, whole);
    return static_cast<int>(whole);
}

bool DoubleTap::tapped(double seconds, double x, double y, double near) {
    const bool second =
        armed_ && seconds - seconds_ <= LongestGapSeconds && std::hypot(x - x_, y - y_) <= near;
    armed_ = !second;
    seconds_ = seconds;
    x_ = x;
    y_ = y;
    return second;
}
