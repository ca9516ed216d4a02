#include "platform/joystick.h"

#include "platform/sdl/native.h"
#include "platform/shared/polled_joystick.h"

#include <algorithm>

namespace platform {

namespace {

struct Capture {
    bool active = false;
    // None while the capture waits for a joystick to be plugged in.
    SDL_Joystick* joystick = nullptr;
    // Set when SDL knows the joystick as a game controller: it is then read by its named controls.
    SDL_GameController* controller = nullptr;
    PolledJoystick polls;
};

Capture capture;

// Holds the joystick subsystem for its lifetime.
class JoystickSubsystem {
  public:
    JoystickSubsystem() {
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        started_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
    }
    ~JoystickSubsystem() {
        if (started_) {
            SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        }
    }
    JoystickSubsystem(const JoystickSubsystem&) = delete;
    JoystickSubsystem& operator=(const JoystickSubsystem&) = delete;
    bool started() const { return started_; }

  private:
    bool started_;
};

Uint32 rawAxis(SDL_Joystick* joystick, int axis) {
    // SDL reports -32768 to 32767; the messages carry 0 to 65535 with the centre at 32768.
    Sint16 value = axis < SDL_JoystickNumAxes(joystick) ? SDL_JoystickGetAxis(joystick, axis) : Sint16{0};
    return static_cast<Uint32>(value + static_cast<int>(AxisCentre));
}

// The z axis is often a gamepad's trigger, which rests at one end of its range: taken as it is, it would
// hold a control for as long as the pad is plugged in. Such an axis is reported from the centre at rest
// to the far end when pulled fully, as one half of a centred axis.
Uint32 rawZ(SDL_Joystick* joystick) {
    constexpr int ZAxis = 2;
    Sint16 rest = 0;
    if (ZAxis >= SDL_JoystickNumAxes(joystick) ||
        SDL_JoystickGetAxisInitialState(joystick, ZAxis, &rest) != SDL_TRUE ||
        (rest > -32767 && rest < 32767)) {
        return rawAxis(joystick, ZAxis);
    }
    int pulled = (SDL_JoystickGetAxis(joystick, ZAxis) - rest) / 2;
    return static_cast<Uint32>(pulled + static_cast<int>(AxisCentre));
}

Uint32 buttonBits(SDL_Joystick* joystick) {
    Uint32 bits = 0;
    int count = std::min(SDL_JoystickNumButtons(joystick), 32);
    for (int button = 0; button < count; ++button) {
        if (SDL_JoystickGetButton(joystick, button) != 0) {
            bits |= Uint32{1} << button;
        }
    }
    return bits;
}

Uint32 padStick(SDL_GameController* controller, SDL_GameControllerAxis x, SDL_GameControllerAxis y) {
    auto raw = [controller](SDL_GameControllerAxis axis) {
        return static_cast<Uint32>(SDL_GameControllerGetAxis(controller, axis) +
                                   static_cast<int>(AxisCentre));
    };
    return packStick(raw(x), raw(y));
}

Uint32 padButtons(SDL_GameController* controller) {
    // The named buttons in SDL's order are the PadButton bits; the triggers rest at 0 and count from a third.
    constexpr Sint16 TriggerHeld = 32767 / 3;
    Uint32 bits = 0;
    for (int button = 0; button <= SDL_CONTROLLER_BUTTON_DPAD_RIGHT; ++button) {
        if (SDL_GameControllerGetButton(controller, static_cast<SDL_GameControllerButton>(button)) != 0) {
            bits |= Uint32{1} << button;
        }
    }
    if (SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_TRIGGERLEFT) > TriggerHeld) {
        bits |= PadLeftTrigger;
    }
    if (SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_TRIGGERRIGHT) > TriggerHeld) {
        bits |= PadRightTrigger;
    }
    return bits;
}

void pollOnce() {
    if (SDL_GameController* pad = capture.controller) {
        capture.polls.reportPad(padStick(pad, SDL_CONTROLLER_AXIS_LEFTX, SDL_CONTROLLER_AXIS_LEFTY),
                                padStick(pad, SDL_CONTROLLER_AXIS_RIGHTX, SDL_CONTROLLER_AXIS_RIGHTY),
                                padButtons(pad));
        return;
    }
    capture.polls.report(rawAxis(capture.joystick, 0), rawAxis(capture.joystick, 1), rawZ(capture.joystick),
                         buttonBits(capture.joystick));
}

void closeTaken() {
    if (capture.controller != nullptr) {
        SDL_GameControllerClose(capture.controller);
    } else if (capture.joystick != nullptr) {
        SDL_JoystickClose(capture.joystick);
    }
    capture.controller = nullptr;
    capture.joystick = nullptr;
}

// Takes the joystick at the device index for the capture, none for -1; its state is reported at the next
// poll.
void take(int device) {
    capture.controller =
        device >= 0 && SDL_IsGameController(device) == SDL_TRUE ? SDL_GameControllerOpen(device) : nullptr;
    capture.joystick = capture.controller != nullptr ? SDL_GameControllerGetJoystick(capture.controller)
                       : device >= 0                 ? SDL_JoystickOpen(device)
                                                     : nullptr;
    capture.polls.restart(static_cast<double>(SDL_GetTicks64()));
}

}  // namespace

bool startJoystickCapture(Window& window, unsigned periodMs, bool onlyChanges, bool waitForOne) {
    if (!window.alive()) {
        return false;
    }
    releaseJoystick();
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    // Held while the capture lasts: it also reports the joysticks plugged in and unplugged. It loads the
    // game-controller mappings too; the game-controller subsystem's own events are not needed.
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        return false;
    }
    capture = {.polls = PolledJoystick(window.id(), periodMs, onlyChanges)};
    take(SDL_NumJoysticks() > 0 ? 0 : -1);
    if (capture.joystick == nullptr && !waitForOne) {
        closeTaken();
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        capture = {};
        return false;
    }
    capture.active = true;
    return true;
}

unsigned joystickCount() {
    JoystickSubsystem subsystem;
    return subsystem.started() ? static_cast<unsigned>(std::max(SDL_NumJoysticks(), 0)) : 0;
}

bool firstJoystickPlugged() {
    JoystickSubsystem subsystem;
    if (!subsystem.started() || SDL_NumJoysticks() < 1) {
        return false;
    }
    SDL_Joystick* joystick = SDL_JoystickOpen(0);
    if (joystick == nullptr) {
        return false;
    }
    bool attached = SDL_JoystickGetAttached(joystick) == SDL_TRUE;
    SDL_JoystickClose(joystick);
    return attached;
}

void releaseJoystick() {
    if (!capture.active) {
        return;
    }
    closeTaken();
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    capture = {};
}

namespace sdl {

void pollJoystick() {
    if (capture.joystick == nullptr) {
        return;
    }
    const int due = capture.polls.duePolls(static_cast<double>(SDL_GetTicks64()));
    if (due == 0 || SDL_JoystickGetAttached(capture.joystick) != SDL_TRUE) {
        return;
    }
    for (int poll = 0; poll < due; ++poll) {
        pollOnce();
    }
}

void releaseJoystickOf(WindowId window) {
    if (capture.active && capture.polls.window() == window) {
        releaseJoystick();
    }
}

void joystickAdded(int device) {
    if (capture.active && capture.joystick == nullptr) {
        take(device);
    }
}

void joystickRemoved(SDL_JoystickID instance) {
    if (capture.joystick == nullptr || SDL_JoystickInstanceID(capture.joystick) != instance) {
        return;
    }
    // Whatever was held is let go with the joystick.
    capture.polls.reportGone(capture.controller != nullptr);
    closeTaken();
    take(SDL_NumJoysticks() > 0 ? 0 : -1);
}

}  // namespace sdl
}  // namespace platform
