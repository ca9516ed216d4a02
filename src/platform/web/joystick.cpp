#include "platform/joystick.h"

#include "platform/shared/polled_joystick.h"
#include "platform/web/native.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr int ZAxis = 2;
constexpr int NoPad = -1;

struct Capture {
    bool active = false;
    // The browser's index of the pad in use; NoPad while the capture waits for one to be connected.
    int pad = NoPad;
    // Where the z axis stood when first seen: a trigger rests at one end of its range.
    double zRest = 0;
    PolledJoystick polls;
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

// The browser reports -1 to 1; the messages carry 0 to 65535 with the centre at AxisCentre.
std::uint32_t rawAxis(double value) {
    constexpr long centre = AxisCentre;
    return static_cast<std::uint32_t>(std::clamp(std::lround(value * centre) + centre, 0L, 2 * centre - 1));
}

std::uint32_t rawZ(const EmscriptenGamepadEvent& state) {
    if (ZAxis >= state.numAxes) {
        return AxisCentre;
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

// Takes the pad for the capture; its state is reported at the next poll.
void take(int pad) {
    capture.pad = pad;
    capture.polls.restart(emscripten_get_now());
    EmscriptenGamepadEvent state{};
    capture.zRest = padState(pad, state) && ZAxis < state.numAxes ? state.axis[ZAxis] : 0;
}

}  // namespace

bool startJoystickCapture(Window& window, unsigned periodMs, bool onlyChanges, bool waitForOne) {
    if (!window.alive()) {
        return false;
    }
    releaseJoystick();
    int pad = firstConnectedPad();
    if (pad == NoPad && (!waitForOne || !sampleGamepads())) {
        return false;
    }
    capture = {.active = true, .polls = PolledJoystick(window.id(), periodMs, onlyChanges)};
    take(pad);
    return true;
}

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

void releaseJoystick() {
    capture = {};
}

namespace web {

void pollJoystick() {
    if (!capture.active) {
        return;
    }
    const int due = capture.polls.duePolls(emscripten_get_now());
    if (due == 0) {
        return;
    }
    if (capture.pad == NoPad) {
        take(firstConnectedPad());
        return;
    }
    EmscriptenGamepadEvent state{};
    if (!sampleGamepads() || !padState(capture.pad, state)) {
        // Whatever was held is let go with the pad.
        capture.polls.reportGone(false);
        take(NoPad);
        return;
    }
    for (int poll = 0; poll < due; ++poll) {
        capture.polls.report(rawAxis(state.axis[0]), rawAxis(state.axis[1]), rawZ(state), buttonBits(state));
    }
}

void releaseJoystickOf(WindowId window) {
    if (capture.active && capture.polls.window() == window) {
        releaseJoystick();
    }
}

}  // namespace web
}  // namespace platform
