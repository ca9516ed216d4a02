#pragma once

#include "platform/message.h"

// The message queue that the program keeps itself where the system keeps none (SDL, the web): the
// messages translated from the system's events and those the program posts, in order, then a posted quit.
// program_queue.cpp also holds what these backends share of message_queue.h around it.
namespace platform::programQueue {

void push(const Message& message);
// Drops the waiting messages of a window that is going away.
void discard(WindowId window);
// Takes the next message, or the quit message once every other has been taken; false when none waits.
bool take(Message& message);

}  // namespace platform::programQueue
