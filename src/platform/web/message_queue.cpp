#include "platform/message_queue.h"

#include "platform/keys.h"
#include "platform/web/native.h"

#include <emscripten/html5.h>

#include <algorithm>
#include <array>
#include <deque>

namespace platform {

namespace {

std::deque<Message> queue;
bool quitPosted = false;
int quitCode = 0;

WindowId keyboardWindow = 0;
// The keys held down, so that a page that loses the focus lets them all go: their releases would go
// elsewhere, and a control would stay held.
std::array<bool, 256> held{};

EM_BOOL keyChanged(int eventType, const EmscriptenKeyboardEvent* event, void*) {
    const VirtualKey key = web::virtualKeyOf(event->code);
    const bool down = eventType == EMSCRIPTEN_EVENT_KEYDOWN;
    held[key & 0xFF] = down;
    MessageKind kind = event->altKey ? (down ? MessageKind::SysKeyDown : MessageKind::SysKeyUp)
                                     : (down ? MessageKind::KeyDown : MessageKind::KeyUp);
    web::enqueue({.window = keyboardWindow, .kind = kind, .code = key});
    // The page would scroll on the arrows and Space; the browser's own shortcuts stay its own.
    return key != KeyOther && !event->ctrlKey && !event->metaKey;
}

EM_BOOL focusLost(int, const EmscriptenFocusEvent*, void*) {
    for (std::size_t key = 0; key < held.size(); ++key) {
        if (held[key]) {
            held[key] = false;
            web::enqueue(
                {.window = keyboardWindow, .kind = MessageKind::KeyUp, .code = static_cast<VirtualKey>(key)});
        }
    }
    return EM_FALSE;
}

void listen(bool on) {
    const char* page = EMSCRIPTEN_EVENT_TARGET_WINDOW;
    emscripten_set_keydown_callback(page, nullptr, EM_TRUE, on ? keyChanged : nullptr);
    emscripten_set_keyup_callback(page, nullptr, EM_TRUE, on ? keyChanged : nullptr);
    emscripten_set_blur_callback(page, nullptr, EM_TRUE, on ? focusLost : nullptr);
}

}  // namespace

namespace web {

void enqueue(const Message& message) {
    queue.push_back(message);
}

void discardMessages(WindowId window) {
    std::erase_if(queue, [window](const Message& message) { return message.window == window; });
}

void listenToKeyboard(WindowId window) {
    keyboardWindow = window;
    held = {};
    listen(true);
}

void stopListeningToKeyboard() {
    listen(false);
    keyboardWindow = 0;
}

}  // namespace web

bool peekMessage(Message& message) {
    web::pollJoystick();
    if (!queue.empty()) {
        message = queue.front();
        queue.pop_front();
        return true;
    }
    if (quitPosted) {
        quitPosted = false;
        message = {.kind = MessageKind::Quit, .code = static_cast<std::uint32_t>(quitCode)};
        return true;
    }
    return false;
}

MessageResult dispatchMessage(const Message& message) {
    Window* window = web::liveWindow();
    if (message.kind == MessageKind::Quit || window == nullptr || window->id() != message.window) {
        return 0;
    }
    return window->procedure()(*window, message);
}

MessageResult sendMessage(Window& window, Message message) {
    if (!window.alive()) {
        return 0;
    }
    message.window = window.id();
    return window.procedure()(window, message);
}

void postMessage(Window& window, Message message) {
    if (window.alive()) {
        message.window = window.id();
        queue.push_back(message);
    }
}

void postQuitMessage(int exitCode) {
    quitPosted = true;
    quitCode = exitCode;
}

MessageResult defWindowProc(Window& window, const Message& message) {
    switch (message.kind) {
        case MessageKind::Close:
            window.destroy();
            break;
        case MessageKind::SysCommand:
            if (message.code == CommandClose) {
                sendMessage(window, {.kind = MessageKind::Close});
            }
            break;
        case MessageKind::SysKeyDown:
            if (message.code == KeyF4) {
                postMessage(window, {.kind = MessageKind::SysCommand, .code = CommandClose});
            }
            break;
        default:
            break;
    }
    return 0;
}

}  // namespace platform
