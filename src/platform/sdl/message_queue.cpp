#include "platform/message_queue.h"

#include "platform/keys.h"
#include "platform/sdl/native.h"
#include "platform/shared/program_queue.h"

#include <algorithm>

namespace platform {

namespace {

void pumpEvents() {
    if (SDL_WasInit(SDL_INIT_EVENTS) == 0) {
        return;
    }
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        NativeEvents::translate(event);
    }
}

// Keys go to the window they name; the one window takes those that name none (no focus yet).
Window* keyWindow(Uint32 windowId) {
    if (Window* window = sdl::findWindow(windowId)) {
        return window;
    }
    return sdl::liveWindows().empty() ? nullptr : sdl::liveWindows().front();
}

void translateKey(const SDL_KeyboardEvent& key) {
    Window* window = keyWindow(key.windowID);
    if (window == nullptr) {
        return;
    }
    bool alt = (key.keysym.mod & KMOD_ALT) != 0 || key.keysym.sym == SDLK_LALT || key.keysym.sym == SDLK_RALT;
    bool down = key.type == SDL_KEYDOWN;
    MessageKind kind = alt ? (down ? MessageKind::SysKeyDown : MessageKind::SysKeyUp)
                           : (down ? MessageKind::KeyDown : MessageKind::KeyUp);
    programQueue::push({.window = window->id(), .kind = kind, .code = sdl::virtualKeyOf(key.keysym)});
}

void translateWindowEvent(const SDL_WindowEvent& event) {
    Window* window = sdl::findWindow(event.windowID);
    if (window == nullptr) {
        return;
    }
    switch (event.event) {
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_RESIZED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_MAXIMIZED:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MINIMIZED:
            NativeEvents::reportSize(*window, false);
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            programQueue::push({.window = window->id(), .kind = MessageKind::Paint});
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            programQueue::push({.window = window->id(), .kind = MessageKind::SetFocus});
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            programQueue::push({.window = window->id(), .kind = MessageKind::KillFocus});
            break;
        case SDL_WINDOWEVENT_CLOSE:
            programQueue::push(
                {.window = window->id(), .kind = MessageKind::SysCommand, .code = CommandClose});
            break;
        default:
            break;
    }
}

std::uint32_t mouseButtonOf(Uint8 button) {
    switch (button) {
        case SDL_BUTTON_LEFT:
            return MouseLeft;
        case SDL_BUTTON_RIGHT:
            return MouseRight;
        case SDL_BUTTON_MIDDLE:
            return MouseMiddle;
        default:
            return 0;
    }
}

std::uint32_t mouseButtonBits(Uint32 state) {
    return ((state & SDL_BUTTON_LMASK) != 0 ? MouseLeftBit : 0) |
           ((state & SDL_BUTTON_RMASK) != 0 ? MouseRightBit : 0) |
           ((state & SDL_BUTTON_MMASK) != 0 ? MouseMiddleBit : 0);
}

void translateMotion(const SDL_MouseMotionEvent& motion) {
    Window* window = sdl::findWindow(motion.windowID);
    if (window == nullptr) {
        return;
    }
    if (SDL_GetRelativeMouseMode() == SDL_TRUE) {
        programQueue::push({.window = window->id(),
                            .kind = MessageKind::MouseRawMove,
                            .x = signedField(motion.xrel),
                            .y = signedField(motion.yrel)});
        return;
    }
    programQueue::push({.window = window->id(),
                        .kind = MessageKind::MouseMove,
                        .code = mouseButtonBits(motion.state),
                        .x = signedField(motion.x),
                        .y = signedField(motion.y)});
}

void translateButton(const SDL_MouseButtonEvent& event) {
    Window* window = sdl::findWindow(event.windowID);
    std::uint32_t button = mouseButtonOf(event.button);
    if (window == nullptr || button == 0) {
        return;
    }
    // As on Windows, the second press of a double click comes as the double click alone.
    MessageKind kind = event.type == SDL_MOUSEBUTTONUP              ? MessageKind::MouseButtonUp
                       : event.clicks >= 2 && event.clicks % 2 == 0 ? MessageKind::MouseDoubleClick
                                                                    : MessageKind::MouseButtonDown;
    programQueue::push({.window = window->id(),
                        .kind = kind,
                        .code = button,
                        .x = signedField(event.x),
                        .y = signedField(event.y)});
}

void translateWheel(const SDL_MouseWheelEvent& wheel) {
    Window* window = sdl::findWindow(wheel.windowID);
    if (window == nullptr || wheel.y == 0) {
        return;
    }
    std::int32_t notches = wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -wheel.y : wheel.y;
    programQueue::push({.window = window->id(), .kind = MessageKind::MouseWheel, .x = signedField(notches)});
}

}  // namespace

void NativeEvents::translate(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            // Also what SIGINT and SIGTERM become: every window is asked to close.
            for (Window* window : sdl::liveWindows()) {
                programQueue::push(
                    {.window = window->id(), .kind = MessageKind::SysCommand, .code = CommandClose});
            }
            break;
        case SDL_WINDOWEVENT:
            translateWindowEvent(event.window);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            translateKey(event.key);
            break;
        case SDL_MOUSEMOTION:
            translateMotion(event.motion);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            translateButton(event.button);
            break;
        case SDL_MOUSEWHEEL:
            translateWheel(event.wheel);
            break;
        case SDL_JOYDEVICEADDED:
            sdl::joystickAdded(event.jdevice.which);
            break;
        case SDL_JOYDEVICEREMOVED:
            sdl::joystickRemoved(event.jdevice.which);
            break;
        default:
            break;
    }
}

void NativeEvents::reportSize(Window& window, bool send) {
    SDL_Window* native = sdl::nativeOf(window);
    if (native == nullptr) {
        return;
    }
    // A minimised window keeps its last size in SDL but has no client area.
    if ((SDL_GetWindowFlags(native) & SDL_WINDOW_MINIMIZED) != 0) {
        window.reportSize(0, 0, send);
        return;
    }
    int width = 0;
    int height = 0;
    SDL_GL_GetDrawableSize(native, &width, &height);
    window.reportSize(static_cast<std::uint32_t>(std::max(width, 0)),
                      static_cast<std::uint32_t>(std::max(height, 0)), send);
}

bool peekMessage(Message& message) {
    pumpEvents();
    sdl::pollJoystick();
    return programQueue::take(message);
}

MessageResult dispatchMessage(const Message& message) {
    Window* window = sdl::findWindow(message.window);
    return window == nullptr ? 0 : window->procedure()(*window, message);
}

}  // namespace platform
