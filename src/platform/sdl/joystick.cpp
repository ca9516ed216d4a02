#include "platform/joystick.h"

#include "platform/sdl/native.h"

#include <algorithm>

namespace platform {

namespace {

// The shortest polling period the joystick service offers.
constexpr Uint64 MinimumPeriodMs = 10;
// Polls missed while the loop was busy are caught up, but only this many at once.
constexpr int MaximumCatchUp = 10;
// An axis at rest, as the messages carry it.
constexpr Uint32 Centre = 32768;

struct Capture {
    bool active = false;
    WindowId window = 0;
    // None while the capture waits for a joystick to be plugged in.
    SDL_Joystick* joystick = nullptr;
    Uint64 periodMs = MinimumPeriodMs;
    Uint64 nextPoll = 0;
    bool onlyChanges = false;
    bool polled = false;
    Uint32 x = 0, y = 0, z = 0, buttons = 0;
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
    return static_cast<Uint32>(value + static_cast<int>(Centre));
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
    return static_cast<Uint32>(pulled + static_cast<int>(Centre));
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

void report(Uint32 x, Uint32 y, Uint32 z, Uint32 buttons) {
    bool first = !capture.polled;
    bool moved = first || x != capture.x || y != capture.y || buttons != capture.buttons;
    bool zMoved = first || z != capture.z || buttons != capture.buttons;
    capture.polled = true;
    capture.x = x;
    capture.y = y;
    capture.z = z;
    capture.buttons = buttons;
    if (!capture.onlyChanges || moved) {
        sdl::enqueue(
            {.window = capture.window, .kind = MessageKind::Joy1Move, .code = buttons, .x = x, .y = y});
    }
    if (!capture.onlyChanges || zMoved) {
        sdl::enqueue({.window = capture.window, .kind = MessageKind::Joy1ZMove, .code = buttons, .x = z});
    }
}

void pollOnce() {
    report(rawAxis(capture.joystick, 0), rawAxis(capture.joystick, 1), rawZ(capture.joystick),
           buttonBits(capture.joystick));
}

// Takes the joystick for the capture; its state is reported at the next poll.
void take(SDL_Joystick* joystick) {
    capture.joystick = joystick;
    capture.polled = false;
    capture.nextPoll = SDL_GetTicks64() + capture.periodMs;
}

bool startCapture(Window& window, unsigned periodMs, bool onlyChanges, bool waitForOne) {
    if (!window.alive()) {
        return false;
    }
    releaseJoystick();
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    // Held while the capture lasts: it also reports the joysticks plugged in and unplugged.
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        return false;
    }
    SDL_Joystick* joystick = SDL_NumJoysticks() > 0 ? SDL_JoystickOpen(0) : nullptr;
    if (joystick == nullptr && !waitForOne) {
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        return false;
    }
    capture = {};
    capture.active = true;
    capture.window = window.id();
    capture.periodMs = std::max<Uint64>(periodMs, MinimumPeriodMs);
    capture.onlyChanges = onlyChanges;
    take(joystick);
    return true;
}

}  // namespace

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

bool captureJoystick(Window& window, unsigned periodMs, bool onlyChanges) {
    return startCapture(window, periodMs, onlyChanges, false);
}

bool awaitJoystick(Window& window, unsigned periodMs, bool onlyChanges) {
    return startCapture(window, periodMs, onlyChanges, true);
}

void releaseJoystick() {
    if (!capture.active) {
        return;
    }
    if (capture.joystick != nullptr) {
        SDL_JoystickClose(capture.joystick);
    }
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    capture = {};
}

namespace sdl {

void pollJoystick() {
    if (capture.joystick == nullptr) {
        return;
    }
    Uint64 now = SDL_GetTicks64();
    if (now < capture.nextPoll) {
        return;
    }
    Uint64 due = (now - capture.nextPoll) / capture.periodMs + 1;
    capture.nextPoll += due * capture.periodMs;
    if (SDL_JoystickGetAttached(capture.joystick) != SDL_TRUE) {
        return;
    }
    for (Uint64 poll = 0; poll < std::min<Uint64>(due, MaximumCatchUp); ++poll) {
        pollOnce();
    }
}

void releaseJoystickOf(WindowId window) {
    if (capture.active && capture.window == window) {
        releaseJoystick();
    }
}

void joystickAdded(int device) {
    if (capture.active && capture.joystick == nullptr) {
        take(SDL_JoystickOpen(device));
    }
}

void joystickRemoved(SDL_JoystickID instance) {
    if (capture.joystick == nullptr || SDL_JoystickInstanceID(capture.joystick) != instance) {
        return;
    }
    // Whatever was held is let go with the joystick.
    if (capture.polled) {
        report(Centre, Centre, Centre, 0);
    }
    SDL_JoystickClose(capture.joystick);
    take(SDL_NumJoysticks() > 0 ? SDL_JoystickOpen(0) : nullptr);
}

}  // namespace sdl
}  // namespace platform
