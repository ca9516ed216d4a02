#include "studio/studio.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>

#include "app/pointer_input.h"
#include "platform/cursor.h"
#include "platform/message_queue.h"

namespace {

void dispatchWaiting() {
    platform::Message message;
    while (platform::peekMessage(message)) {
        platform::dispatchMessage(message);
    }
}

// A mouse event at (x, y) of the viewer's window.
SDL_Event mouseEvent(Uint32 type, Sint32 x, Sint32 y) {
    SDL_Event event{};
    event.type = type;
    if (type == SDL_MOUSEMOTION) {
        event.motion.windowID = SDL_GetWindowID(SDL_GL_GetCurrentWindow());
        event.motion.state = SDL_BUTTON_LMASK;
        event.motion.x = x;
        event.motion.y = y;
    } else {
        event.button.windowID = SDL_GetWindowID(SDL_GL_GetCurrentWindow());
        event.button.button = SDL_BUTTON_LEFT;
        event.button.clicks = 1;
        event.button.x = x;
        event.button.y = y;
    }
    return event;
}

void push(SDL_Event event) {
    ASSERT_EQ(SDL_PushEvent(&event), 1);
    dispatchWaiting();
}

TEST(StudioMouse, ADragOrbitsAndRaisesTheWheelZoomsInStepsADoubleClickStartsOver) {
    Studio studio;
    dispatchWaiting();
    push(mouseEvent(SDL_MOUSEMOTION, 500, 300));
    EXPECT_EQ(studio.direction().z, 1) << "motion without a press does nothing";

    push(mouseEvent(SDL_MOUSEBUTTONDOWN, 500, 300));
    push(mouseEvent(SDL_MOUSEMOTION, 540, 300));
    push(mouseEvent(SDL_MOUSEMOTION, 600, 260));
    push(mouseEvent(SDL_MOUSEBUTTONUP, 600, 260));
    push(mouseEvent(SDL_MOUSEMOTION, 700, 100));
    // A drag to the right orbits to the right, as the right arrow does, and a drag up raises the camera.
    const double turned = 100 * PointerInput::RadiansPerCount;
    EXPECT_NEAR(studio.direction().x, std::sin(turned), 1e-9);
    EXPECT_NEAR(studio.elevation(), 40 * PointerInput::RadiansPerCount * 4, 1e-9);
    EXPECT_FALSE(platform::pointerCaptured()) << "the viewer never captures the pointer";

    SDL_Event wheel{};
    wheel.wheel.type = SDL_MOUSEWHEEL;
    wheel.wheel.windowID = SDL_GetWindowID(SDL_GL_GetCurrentWindow());
    wheel.wheel.y = -3;
    push(wheel);
    EXPECT_EQ(studio.zoom(), 4) << "towards the user is farther";
    wheel.wheel.y = 9;
    push(wheel);
    EXPECT_EQ(studio.zoom(), 0);

    SDL_Event second = mouseEvent(SDL_MOUSEBUTTONDOWN, 10, 10);
    second.button.clicks = 2;
    push(second);
    EXPECT_EQ(studio.direction().z, 1);
    EXPECT_EQ(studio.zoom(), 1);
    EXPECT_EQ(studio.elevation(), 0);
}

}  // namespace
