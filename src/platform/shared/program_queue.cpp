#include "platform/shared/program_queue.h"

#include "platform/keys.h"
#include "platform/message_queue.h"
#include "platform/window.h"

#include <algorithm>
#include <deque>

namespace platform {

namespace {

std::deque<Message> queue;
bool quitPosted = false;
int quitCode = 0;

}  // namespace

namespace programQueue {

void push(const Message& message) {
    queue.push_back(message);
}

void discard(WindowId window) {
    std::erase_if(queue, [window](const Message& message) { return message.window == window; });
}

bool take(Message& message) {
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

}  // namespace programQueue

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

void Window::update() {
    sendMessage(*this, {.kind = MessageKind::Paint});
}

// These backends learn a window's size from their own events, and report it as the system would.
void Window::reportSize(std::uint32_t width, std::uint32_t height, bool send) {
    if (sizeReported_ && width == reportedWidth_ && height == reportedHeight_) {
        return;
    }
    sizeReported_ = true;
    reportedWidth_ = width;
    reportedHeight_ = height;
    Message size{.kind = MessageKind::Size, .x = width, .y = height};
    if (send) {
        sendMessage(*this, size);
    } else {
        postMessage(*this, size);
    }
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
