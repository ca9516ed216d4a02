#pragma once

#include "platform/message.h"
#include "platform/window.h"

namespace platform {

// Takes the next message without waiting: posted messages and window-system input in the order they
// came, then, once nothing else is waiting, the quit message. Returns false when there is none.
bool peekMessage(Message& message);
// Hands a message to its window's procedure; messages for destroyed windows and the quit message are
// dropped (result 0).
MessageResult dispatchMessage(const Message& message);
// Handles the message before returning.
MessageResult sendMessage(Window& window, Message message);
// Queues the message behind those already waiting.
void postMessage(Window& window, Message message);
// Makes peekMessage return Quit once no other message is waiting.
void postQuitMessage(int exitCode);
// The default handling: Close destroys the window, the close command and Alt+F4 send Close.
MessageResult defWindowProc(Window& window, const Message& message);

}  // namespace platform
