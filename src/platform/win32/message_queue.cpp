#include "platform/message_queue.h"

#include "platform/win32/native.h"

namespace platform {

namespace {

// The message peekMessage took last, as Windows gave it, until it is dispatched.
MSG peeked{};
Message peekedMessage{};
bool peekedWaiting = false;

bool sameMessage(const Message& a, const Message& b) {
    return a.window == b.window && a.kind == b.kind && a.code == b.code && a.x == b.x && a.y == b.y;
}

}  // namespace

bool peekMessage(Message& message) {
    MSG native{};
    if (!PeekMessageA(&native, nullptr, 0, 0, PM_REMOVE)) {
        return false;
    }
    Window* window = win32::findWindow(native.hwnd);
    message = win32::translate(window == nullptr ? 0 : window->id(),
                               {native.message, native.wParam, native.lParam});
    peeked = native;
    peekedMessage = message;
    peekedWaiting = true;
    return true;
}

MessageResult dispatchMessage(const Message& message) {
    if (peekedWaiting && sameMessage(message, peekedMessage)) {
        peekedWaiting = false;
        TranslateMessage(&peeked);
        MessageResult result = DispatchMessageA(&peeked);
        win32::rethrowKeptException();
        return result;
    }
    Window* window = win32::findWindow(message.window);
    return window == nullptr ? 0 : sendMessage(*window, message);
}

MessageResult sendMessage(Window& window, Message message) {
    if (!window.alive()) {
        return 0;
    }
    win32::NativeMessage native = win32::toNative(message);
    MessageResult result =
        SendMessageA(win32::nativeOf(window), native.message, native.wParam, native.lParam);
    win32::rethrowKeptException();
    return result;
}

void postMessage(Window& window, Message message) {
    if (window.alive()) {
        win32::NativeMessage native = win32::toNative(message);
        PostMessageA(win32::nativeOf(window), native.message, native.wParam, native.lParam);
    }
}

void postQuitMessage(int exitCode) {
    PostQuitMessage(exitCode);
}

MessageResult defWindowProc(Window& window, const Message& message) {
    if (!window.alive()) {
        return 0;
    }
    const win32::NativeMessage* handled = win32::HandledMessage::nativeOf(message);
    win32::NativeMessage native = handled != nullptr ? *handled : win32::toNative(message);
    MessageResult result =
        DefWindowProcA(win32::nativeOf(window), native.message, native.wParam, native.lParam);
    win32::rethrowKeptException();
    return result;
}

}  // namespace platform
