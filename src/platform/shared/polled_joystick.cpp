#include "platform/shared/polled_joystick.h"

#include "platform/joystick.h"

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
    send(stick_, {.window = window_, .kind = MessageKind::Joy1Move, .code = buttons, .x = x, .y = y});
    send(z_, {.window = window_, .kind = MessageKind::Joy1ZMove, .code = buttons, .x = z});
    polled_ = true;
}

void PolledJoystick::reportPad(std::uint32_t leftStick, std::uint32_t rightStick, std::uint32_t buttons) {
    send(stick_,
         {.window = window_, .kind = MessageKind::PadMove, .code = buttons, .x = leftStick, .y = rightStick});
    polled_ = true;
}

void PolledJoystick::send(Message& last, const Message& message) {
    const bool changed = !polled_ || message.code != last.code || message.x != last.x || message.y != last.y;
    last = message;
    if (changed || !onlyChanges_) {
        programQueue::push(message);
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

bool captureJoystick(Window& window, unsigned periodMs, bool onlyChanges) {
    return startJoystickCapture(window, periodMs, onlyChanges, false);
}

bool awaitJoystick(Window& window, unsigned periodMs, bool onlyChanges) {
    return startJoystickCapture(window, periodMs, onlyChanges, true);
}

}  // namespace platform
