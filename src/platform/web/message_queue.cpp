#include "platform/message_queue.h"

#include "platform/cursor.h"
#include "platform/keys.h"
#include "platform/shared/program_queue.h"
#include "platform/web/native.h"

#include <emscripten/html5.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace platform {

namespace {

WindowId inputWindow = 0;
// The keys held down, so that a page that loses the focus lets them all go: their releases would go
// elsewhere, and a control would stay held.
std::array<bool, 256> held{};

EM_BOOL keyChanged(int eventType, const EmscriptenKeyboardEvent* event, void*) {
    const VirtualKey key = web::virtualKeyOf(event->code);
    const bool down = eventType == EMSCRIPTEN_EVENT_KEYDOWN;
    held[key & 0xFF] = down;
    MessageKind kind = event->altKey ? (down ? MessageKind::SysKeyDown : MessageKind::SysKeyUp)
                                     : (down ? MessageKind::KeyDown : MessageKind::KeyUp);
    programQueue::push({.window = inputWindow, .kind = kind, .code = key});
    // The page would scroll on the arrows and Space; the browser's own shortcuts stay its own.
    return key != KeyOther && !event->ctrlKey && !event->metaKey;
}

EM_BOOL focusChanged(int eventType, const EmscriptenFocusEvent*, void*) {
    if (eventType == EMSCRIPTEN_EVENT_FOCUS) {
        programQueue::push({.window = inputWindow, .kind = MessageKind::SetFocus});
        return EM_FALSE;
    }
    for (std::size_t key = 0; key < held.size(); ++key) {
        if (held[key]) {
            held[key] = false;
            programQueue::push(
                {.window = inputWindow, .kind = MessageKind::KeyUp, .code = static_cast<VirtualKey>(key)});
        }
    }
    programQueue::push({.window = inputWindow, .kind = MessageKind::KillFocus});
    return EM_FALSE;
}

// The pointer's place on the canvas in the canvas's own pixels, as its size is reported.
std::uint32_t canvasPixel(long cssPixels) {
    return signedField(
        static_cast<std::int32_t>(std::lround(cssPixels * emscripten_get_device_pixel_ratio())));
}

std::uint32_t mouseButtonOf(unsigned short domButton) {
    switch (domButton) {
        case 0:
            return MouseLeft;
        case 1:
            return MouseMiddle;
        case 2:
            return MouseRight;
        default:
            return 0;
    }
}

std::uint32_t mouseButtonBits(unsigned short domButtons) {
    return ((domButtons & 1) != 0 ? MouseLeftBit : 0) | ((domButtons & 2) != 0 ? MouseRightBit : 0) |
           ((domButtons & 4) != 0 ? MouseMiddleBit : 0);
}

// The press that a second one, this soon and this near, makes a double click (the desktop's usual values).
struct Press {
    std::uint32_t button = 0;
    double time = 0;
    long x = 0;
    long y = 0;
};
Press lastPress;
constexpr double DoubleClickMilliseconds = 500;
constexpr long DoubleClickDistance = 4;

EM_BOOL mouseButtonChanged(int eventType, const EmscriptenMouseEvent* event, void*) {
    const std::uint32_t button = mouseButtonOf(event->button);
    if (button == 0) {
        return EM_FALSE;
    }
    MessageKind kind = MessageKind::MouseButtonUp;
    if (eventType == EMSCRIPTEN_EVENT_MOUSEDOWN) {
        const double now = emscripten_get_now();
        const bool second = lastPress.button == button && now - lastPress.time <= DoubleClickMilliseconds &&
                            std::labs(event->targetX - lastPress.x) <= DoubleClickDistance &&
                            std::labs(event->targetY - lastPress.y) <= DoubleClickDistance;
        kind = second ? MessageKind::MouseDoubleClick : MessageKind::MouseButtonDown;
        // A third press starts the next pair, as on the desktop.
        lastPress = second ? Press{} : Press{button, now, event->targetX, event->targetY};
    }
    programQueue::push({.window = inputWindow,
                        .kind = kind,
                        .code = button,
                        .x = canvasPixel(event->targetX),
                        .y = canvasPixel(event->targetY)});
    return EM_FALSE;
}

EM_BOOL mouseMoved(int, const EmscriptenMouseEvent* event, void*) {
    if (pointerCaptured()) {
        programQueue::push({.window = inputWindow,
                            .kind = MessageKind::MouseRawMove,
                            .x = signedField(static_cast<std::int32_t>(event->movementX)),
                            .y = signedField(static_cast<std::int32_t>(event->movementY))});
    } else {
        programQueue::push({.window = inputWindow,
                            .kind = MessageKind::MouseMove,
                            .code = mouseButtonBits(event->buttons),
                            .x = canvasPixel(event->targetX),
                            .y = canvasPixel(event->targetY)});
    }
    return EM_FALSE;
}

// A wheel's notch scrolls by 100 pixels, 3 lines or a page; what a touchpad sends in smaller steps adds up.
double wheelNotches = 0;

EM_BOOL wheelTurned(int, const EmscriptenWheelEvent* event, void*) {
    const double perNotch = event->deltaMode == DOM_DELTA_PIXEL  ? 100
                            : event->deltaMode == DOM_DELTA_LINE ? 3
                                                                 : 1;
    // The page scrolls down, towards the user, for a positive delta.
    wheelNotches -= event->deltaY / perNotch;
    const double whole = std::trunc(wheelNotches);
    if (whole != 0) {
        wheelNotches -= whole;
        programQueue::push({.window = inputWindow,
                            .kind = MessageKind::MouseWheel,
                            .x = signedField(static_cast<std::int32_t>(whole))});
    }
    // Not the page's scroll or zoom.
    return EM_TRUE;
}

// Every finger that changed, as a message of its own. Taken from the page, a touch is never also sent as
// the mouse events a browser makes up for pages that know no touch.
EM_BOOL touchChanged(int eventType, const EmscriptenTouchEvent* event, void*) {
    const MessageKind kind = eventType == EMSCRIPTEN_EVENT_TOUCHSTART  ? MessageKind::TouchDown
                             : eventType == EMSCRIPTEN_EVENT_TOUCHMOVE ? MessageKind::TouchMove
                                                                       : MessageKind::TouchUp;
    const int count = std::clamp(event->numTouches, 0, 32);
    for (int index = 0; index < count; ++index) {
        const EmscriptenTouchPoint& touch = event->touches[index];
        if (touch.isChanged) {
            programQueue::push({.window = inputWindow,
                                .kind = kind,
                                .code = static_cast<std::uint32_t>(touch.identifier),
                                .x = canvasPixel(touch.targetX),
                                .y = canvasPixel(touch.targetY)});
        }
    }
    return EM_TRUE;
}

void listen(bool on) {
    const char* page = EMSCRIPTEN_EVENT_TARGET_WINDOW;
    emscripten_set_keydown_callback(page, nullptr, EM_TRUE, on ? keyChanged : nullptr);
    emscripten_set_keyup_callback(page, nullptr, EM_TRUE, on ? keyChanged : nullptr);
    // The page's own focus changes, not those between its elements.
    emscripten_set_blur_callback(page, nullptr, EM_FALSE, on ? focusChanged : nullptr);
    emscripten_set_focus_callback(page, nullptr, EM_FALSE, on ? focusChanged : nullptr);
    const char* canvas = web::CanvasTarget;
    emscripten_set_mousedown_callback(canvas, nullptr, EM_TRUE, on ? mouseButtonChanged : nullptr);
    emscripten_set_mouseup_callback(canvas, nullptr, EM_TRUE, on ? mouseButtonChanged : nullptr);
    emscripten_set_mousemove_callback(canvas, nullptr, EM_TRUE, on ? mouseMoved : nullptr);
    emscripten_set_wheel_callback(canvas, nullptr, EM_TRUE, on ? wheelTurned : nullptr);
    emscripten_set_touchstart_callback(canvas, nullptr, EM_TRUE, on ? touchChanged : nullptr);
    emscripten_set_touchmove_callback(canvas, nullptr, EM_TRUE, on ? touchChanged : nullptr);
    emscripten_set_touchend_callback(canvas, nullptr, EM_TRUE, on ? touchChanged : nullptr);
    emscripten_set_touchcancel_callback(canvas, nullptr, EM_TRUE, on ? touchChanged : nullptr);
}

}  // namespace

namespace web {

void listenToInput(WindowId window) {
    inputWindow = window;
    held = {};
    lastPress = {};
    wheelNotches = 0;
    listen(true);
}

void stopListeningToInput() {
    listen(false);
    inputWindow = 0;
}

}  // namespace web

bool peekMessage(Message& message) {
    web::pollJoystick();
    return programQueue::take(message);
}

MessageResult dispatchMessage(const Message& message) {
    Window* window = web::liveWindow();
    if (message.kind == MessageKind::Quit || window == nullptr || window->id() != message.window) {
        return 0;
    }
    return window->procedure()(*window, message);
}

}  // namespace platform
