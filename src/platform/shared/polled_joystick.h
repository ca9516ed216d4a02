#pragma once

#include "platform/message.h"
#include "platform/window.h"

#include <cstdint>

namespace platform {

// What the backends that poll the first joystick themselves (SDL, the web) share of its capture: the
// window it reports to, the pace of its polls, and each poll's state queued as messages, every time or
// only when it changed.
class PolledJoystick {
  public:
    // The shortest polling period the joystick service offers.
    static constexpr double MinimumPeriodMs = 10;
    // Polls missed while the loop was busy are caught up, but only this many at once.
    static constexpr int MaximumCatchUp = 10;

    PolledJoystick() = default;
    PolledJoystick(WindowId window, unsigned periodMs, bool onlyChanges);

    WindowId window() const { return window_; }
    // A joystick taken or let go at nowMs: the next poll is one period later and reports its whole state.
    void restart(double nowMs);
    // The polls that have fallen due by nowMs, at most MaximumCatchUp; the next one is due after nowMs.
    int duePolls(double nowMs);
    // Queues a joystick's state as Joy1Move and Joy1ZMove.
    void report(std::uint32_t x, std::uint32_t y, std::uint32_t z, std::uint32_t buttons);
    // Queues a game controller's state as PadMove.
    void reportPad(std::uint32_t leftStick, std::uint32_t rightStick, std::uint32_t buttons);
    // An unplugged joystick lets go of whatever it held: its axes at rest and no button, once anything
    // was reported.
    void reportGone(bool pad);

  private:
    // Queues the message unless only changes are asked for and it says what the last one said.
    void send(Message& last, const Message& message);

    WindowId window_ = 0;
    double periodMs_ = MinimumPeriodMs;
    double nextPollMs_ = 0;
    bool onlyChanges_ = false;
    bool polled_ = false;
    // The last stick (or game controller) and z axis messages.
    Message stick_, z_;
};

// The backend's capture of the first joystick, which captureJoystick and awaitJoystick start: waitForOne
// keeps it with none plugged in, to take the first that arrives (the web notices it at a poll).
bool startJoystickCapture(Window& window, unsigned periodMs, bool onlyChanges, bool waitForOne);

}  // namespace platform
