#include "studio/studio.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/pointer_input.h"
#include "platform/cursor.h"
#include "support/injected_events.h"

namespace {

// The left button (down, up, or held while the pointer moves) or the wheel, at (x, y) of the window.
::testing::AssertionResult mouse(Uint32 type, Sint32 x, Sint32 y, Uint8 clicks = 1) {
    SDL_Event event = sceneEvent(type);
    if (type == SDL_MOUSEMOTION) {
        event.motion.state = SDL_BUTTON_LMASK;
        event.motion.x = x;
        event.motion.y = y;
    } else if (type == SDL_MOUSEWHEEL) {
        event.wheel.y = y;
    } else {
        event.button.button = SDL_BUTTON_LEFT;
        event.button.clicks = clicks;
        event.button.x = x;
        event.button.y = y;
    }
    return inject(event);
}

TEST(StudioMouse, ADragOrbitsAndRaisesTheWheelZoomsInStepsADoubleClickStartsOver) {
    Studio studio;
    dispatchWaiting();
    ASSERT_TRUE(mouse(SDL_MOUSEMOTION, 500, 300));
    EXPECT_EQ(studio.direction().z, 1) << "motion without a press does nothing";

    ASSERT_TRUE(mouse(SDL_MOUSEBUTTONDOWN, 500, 300));
    ASSERT_TRUE(mouse(SDL_MOUSEMOTION, 540, 300));
    ASSERT_TRUE(mouse(SDL_MOUSEMOTION, 600, 260));
    ASSERT_TRUE(mouse(SDL_MOUSEBUTTONUP, 600, 260));
    ASSERT_TRUE(mouse(SDL_MOUSEMOTION, 700, 100));
    // A drag to the right orbits to the right, as the right arrow does, and a drag up raises the camera.
    EXPECT_NEAR(studio.direction().x, std::sin(100 * PointerInput::RadiansPerCount), 1e-9);
    EXPECT_NEAR(studio.elevation(), 40 * PointerInput::RadiansPerCount * 4, 1e-9);
    EXPECT_FALSE(platform::pointerCaptured()) << "the viewer never captures the pointer";

    ASSERT_TRUE(mouse(SDL_MOUSEWHEEL, 0, -3));
    EXPECT_EQ(studio.zoom(), 4) << "towards the user is farther";
    ASSERT_TRUE(mouse(SDL_MOUSEWHEEL, 0, 9));
    EXPECT_EQ(studio.zoom(), 0);

    ASSERT_TRUE(mouse(SDL_MOUSEBUTTONDOWN, 10, 10, 2));
    EXPECT_EQ(studio.direction().z, 1);
    EXPECT_EQ(studio.zoom(), 1);
    EXPECT_EQ(studio.elevation(), 0);
}

}  // namespace
