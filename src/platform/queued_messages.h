#pragma once

#include "platform/message.h"

// The message queue of the backends whose system keeps none for the program (SDL, the web): the messages
// they translate from the system's events and those the program posts, in order, then a posted quit.
namespace platform::queued {

void enqueue(const Message& message);
// Drops the waiting messages of a window that is going away.
void discard(WindowId window);
// Takes the next message, or the quit message once every other has been taken; false when none waits.
bool take(Message& message);

}  // namespace platform::queued
