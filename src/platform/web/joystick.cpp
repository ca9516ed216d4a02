#include "platform/joystick.h"

#include "platform/queued_messages.h"
#include "platform/web/native.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// The shortest polling period the joystick service offers, as on the desktop.
constexpr double MinimumPeriodMs = 10;
// Polls missed while the loop was busy are caught up, but only this many at once.
constexpr int MaximumCatchUp = 10;
// An axis at rest, as the messages carry it.
constexpr std::uint32_t Centre = 32768;
constexpr int ZAxis = 2;
constexpr int NoPad = -1;

struct Capture {
    bool active = false;
    WindowId window = 0;
    // The browser's index of the pad in use; NoPad while the capture waits for one to be connected.
    int pad = NoPad;
    double periodMs = MinimumPeriodMs;
    double nextPoll = 0;
    bool onlyChanges = false;
    bool polled = false;
    // Where the z axis stood when first seen: a trigger rests at one end of its range.
    double zRest = 0;
    std::uint32_t x = 0, y = 0, z = 0, buttons = 0;
};

Capture capture;

// The browser's gamepads as they stand now; false where the page has no Gamepad API.
bool sampleGamepads() {
    return emscripten_sample_gamepad_data() == EMSCRIPTEN_RESULT_SUCCESS;
}

bool padState(int pad, EmscriptenGamepadEvent& state) {
    return pad != NoPad && emscripten_get_gamepad_status(pad, &state) == EMSCRIPTEN_RESULT_SUCCESS &&
           state.connected;
}

// The first connected pad of a fresh sample, or NoPad.
int firstConnectedPad() {
    if (!sampleGamepads()) {
        return NoPad;
    }
    EmscriptenGamepadEvent state{};
    for (int pad = 0; pad < emscripten_get_num_gamepads(); ++pad) {
        if (padState(pad, state)) {
            return pad;
        }
    }
    return NoPad;
}

// The browser reports -1 to 1; the messages carry 0 to 65535 with the centre at 32768.
std::uint32_t rawAxis(double value) {
    return static_cast<std::uint32_t>(std::clamp(std::lround(value * 32768.0) + 32768L, 0L, 65535L));
}

std::uint32_t rawZ(const EmscriptenGamepadEvent& state) {
    if (ZAxis >= state.numAxes) {
        return Centre;
    }
    // An axis that rested at one end (a trigger) is reported as one half of a centred axis, from the
    // centre at rest to the far end when pulled fully, as the desktop does.
    if (std::abs(capture.zRest) < 0.999) {
        return rawAxis(state.axis[ZAxis]);
    }
    return rawAxis((state.axis[ZAxis] - capture.zRest) / 2);
}

std::uint32_t buttonBits(const EmscriptenGamepadEvent& state) {
    std::uint32_t bits = 0;
    for (int button = 0; button < std::min(state.numButtons, 32); ++button) {
        if (state.digitalButton[button]) {
            bits |= std::uint32_t{1} << button;
        }
    }
    return bits;
}

void report(std::uint32_t x, std::uint32_t y, std::uint32_t z, std::uint32_t buttons) {
    bool first = !capture.polled;
    bool moved = first || x != capture.x || y != capture.y || buttons != capture.buttons;
    bool zMoved = first || z != capture.z || buttons != capture.buttons;
    capture.polled = true;
    capture.x = x;
    capture.y = y;
    capture.z = z;
    capture.buttons = buttons;
    if (!capture.onlyChanges || moved) {
        queued::enqueue(
            {.window = capture.window, .kind = MessageKind::Joy1Move, .code = buttons, .x = x, .y = y});
    }
    if (!capture.onlyChanges || zMoved) {
        queued::enqueue({.window = capture.window, .kind = MessageKind::Joy1ZMove, .code = buttons, .x = z});
    }
}

// Takes the pad for the capture; its state is reported at the next poll.
void take(int pad) {
    capture.pad = pad;
    capture.polled = false;
    capture.nextPoll = emscripten_get_now() + capture.periodMs;
    EmscriptenGamepadEvent state{};
    capture.zRest = padState(pad, state) && ZAxis < state.numAxes ? state.axis[ZAxis] : 0;
}

// Whatever was held is let go with the pad.
void padGone() {
    if (capture.polled) {
        report(Centre, Centre, Centre, 0);
    }
    take(NoPad);
}

bool startCapture(Window& window, unsigned periodMs, bool onlyChanges, bool waitForOne) {
    if (!window.alive()) {
        return false;
    }
    releaseJoystick();
    int pad = firstConnectedPad();
    if (pad == NoPad && (!waitForOne || !sampleGamepads())) {
        return false;
    }
    capture = {};
    capture.active = true;
    capture.window = window.id();
    capture.periodMs = std::max<double>(periodMs, MinimumPeriodMs);
    capture.onlyChanges = onlyChanges;
    take(pad);
    return true;
}

}  // namespace

unsigned joystickCount() {
    if (!sampleGamepads()) {
        return 0;
    }
    unsigned count = 0;
    EmscriptenGamepadEvent state{};
    for (int pad = 0; pad < emscripten_get_num_gamepads(); ++pad) {
        count += padState(pad, state) ? 1 : 0;
    }
    return count;
}

bool firstJoystickPlugged() {
    return firstConnectedPad() != NoPad;
}

bool captureJoystick(Window& window, unsigned periodMs, bool onlyChanges) {
    return startCapture(window, periodMs, onlyChanges, false);
}

// A pad connected after the page has loaded is noticed at the next poll.
bool awaitJoystick(Window& window, unsigned periodMs, bool onlyChanges) {
    return startCapture(window, periodMs, onlyChanges, true);
}

void releaseJoystick() {
    capture = {};
}

namespace web {

void pollJoystick() {
    if (!capture.active) {
        return;
    }
    const double now = emscripten_get_now();
    if (now < capture.nextPoll) {
        return;
    }
    const auto due = static_cast<int>(std::min((now - capture.nextPoll) / capture.periodMs + 1, 1e6));
    capture.nextPoll += due * capture.periodMs;
    if (capture.pad == NoPad) {
        take(firstConnectedPad());
        return;
    }
    EmscriptenGamepadEvent state{};
    if (!sampleGamepads() || !padState(capture.pad, state)) {
        padGone();
        return;
    }
    for (int poll = 0; poll < std::min(due, MaximumCatchUp); ++poll) {
        report(rawAxis(state.axis[0]), rawAxis(state.axis[1]), rawZ(state), buttonBits(state));
    }
}

void releaseJoystickOf(WindowId window) {
    if (capture.active && capture.window == window) {
        releaseJoystick();
    }
}

}  // namespace web
}  // namespace platform
