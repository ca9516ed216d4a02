#pragma once

#include "platform/message.h"

// The loop of run(): a waiting message always goes first; a frame runs only when none waits. Returns once
// the quit message has been taken. Loop gives peekMessage(Message&), dispatchMessage(const Message&)
// and frame().
template <typename Loop>
void runMessageLoop(Loop& loop) {
    platform::Message message{};
    do {
        if (loop.peekMessage(message)) {
            loop.dispatchMessage(message);
        } else {
            loop.frame();
        }
    } while (message.kind != platform::MessageKind::Quit);
}
