#include "platform/shared/polled_joystick.h"

#include "platform/shared/program_queue.h"

#include <algorithm>
#include <cmath>

namespace platform {

PolledJoystick::PolledJoystick(WindowId window, unsigned periodMs, bool onlyChanges)
    : window_(window), periodMs_(std::max<double>(periodMs, MinimumPeriodMs)), onlyChanges_(onlyChanges) {}

void PolledJoystick::restart(double nowMs) {
    polled_ = false;
    nextPollMs_ = nowMs + periodMs_;
}

int PolledJoystick::duePolls(double nowMs) {
    if (nowMs < nextPollMs_) {
        return 0;
    }
    const double due = std::floor((nowMs - nextPollMs_) / periodMs_) + 1;
    nextPollMs_ += due * periodMs_;
    return static_cast<int>(std::min<double>(due, MaximumCatchUp));
}

void PolledJoystick::report(std::uint32_t x, std::uint32_t y, std::uint32_t z, std::uint32_t buttons) {
    const bool first = !polled_;
    const bool moved = first || x != x_ || y != y_ || buttons != buttons_;
    const bool zMoved = first || z != z_ || buttons != buttons_;
    polled_ = true;
    x_ = x;
    y_ = y;
    z_ = z;
    buttons_ = buttons;
    if (!onlyChanges_ || moved) {
        programQueue::push(
            {.window = window_, .kind = MessageKind::Joy1Move, .code = buttons, .x = x, .y = y});
    }
    if (!onlyChanges_ || zMoved) {
        programQueue::push({.window = window_, .kind = MessageKind::Joy1ZMove, .code = buttons, .x = z});
    }
}

void PolledJoystick::reportPad(std::uint32_t leftStick, std::uint32_t rightStick, std::uint32_t buttons) {
    const bool moved = !polled_ || leftStick != x_ || rightStick != y_ || buttons != buttons_;
    polled_ = true;
    x_ = leftStick;
    y_ = rightStick;
    buttons_ = buttons;
    if (!onlyChanges_ || moved) {
        programQueue::push({.window = window_,
                            .kind = MessageKind::PadMove,
                            .code = buttons,
                            .x = leftStick,
                            .y = rightStick});
    }
}

void PolledJoystick::reportGone(bool pad) {
    if (!polled_) {
        return;
    }
    if (pad) {
        constexpr std::uint32_t atRest = packStick(AxisCentre, AxisCentre);
        reportPad(atRest, atRest, 0);
    } else {
        report(AxisCentre, AxisCentre, AxisCentre, 0);
    }
}

}  // namespace platform
