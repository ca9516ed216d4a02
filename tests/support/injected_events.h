#pragma once

#include "platform/message_queue.h"

#include <SDL.h>
#include <gtest/gtest.h>

// Events injected into the live scene's window, handled at once as the message loop would.

inline void dispatchWaiting() {
    platform::Message message;
    while (platform::peekMessage(message)) {
        platform::dispatchMessage(message);
    }
}

// An empty event of the type, addressed to the window of the current GL context.
inline SDL_Event sceneEvent(Uint32 type) {
    SDL_Event event{};
    event.type = type;
    event.window.windowID = SDL_GetWindowID(SDL_GL_GetCurrentWindow());  // at the same place in every event
    return event;
}

// A failure for the calling test to stop on: ASSERT_TRUE(inject(event)).
[[nodiscard]] inline ::testing::AssertionResult inject(SDL_Event event) {
    if (SDL_PushEvent(&event) != 1) {
        return ::testing::AssertionFailure() << "SDL refused the event: " << SDL_GetError();
    }
    dispatchWaiting();
    return ::testing::AssertionSuccess();
}
