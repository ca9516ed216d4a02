#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "app/pointer_input.h"
#include "firstperson/combat_scene.h"
#include "platform/cursor.h"
#include "support/injected_events.h"

// The player with a mouse, P and a window that loses the focus, through real SDL events.

namespace {

::testing::AssertionResult click(Uint8 button, Uint32 type = SDL_MOUSEBUTTONDOWN) {
    SDL_Event event = sceneEvent(type);
    event.button.button = button;
    event.button.clicks = 1;
    return inject(event);
}

::testing::AssertionResult moveMouse(Sint32 dx, Sint32 dy) {
    SDL_Event event = sceneEvent(SDL_MOUSEMOTION);
    event.motion.xrel = dx;
    event.motion.yrel = dy;
    return inject(event);
}

// A keystroke: the key pressed and let go.
::testing::AssertionResult press(SDL_Keycode key) {
    for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
        SDL_Event event = sceneEvent(type);
        event.key.keysym.sym = key;
        if (::testing::AssertionResult injected = inject(event); !injected) {
            return injected;
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(MouseLook, AClickCapturesTheMouseTurnsAndTiltsTheViewItsButtonsFireAndJumpTabLetsGo) {
    PlayerScene player;
    FirstPerson::Hero& hero = *player.hero;
    dispatchWaiting();
    // Level, the view is exactly the forward axis.
    EXPECT_EQ(hero.viewAxis().y, 0);
    EXPECT_TRUE(player.scene.showsCrosshair());

    ASSERT_TRUE(click(SDL_BUTTON_LEFT));
    ASSERT_TRUE(platform::pointerCaptured());
    EXPECT_EQ(hero.shots, 0U) << "the capturing click only captures";
    ASSERT_TRUE(click(SDL_BUTTON_LEFT, SDL_MOUSEBUTTONUP));

    ASSERT_TRUE(moveMouse(100, -40));
    const double yaw = 100 * PointerInput::RadiansPerCount;
    EXPECT_NEAR(hero.forwardAxis().z, std::sin(yaw), 1e-9) << "to the right of +X";
    EXPECT_NEAR(hero.tilt, 40 * PointerInput::RadiansPerCount, 1e-9);
    EXPECT_NEAR(player.scene.target().subtract(player.scene.eye()).y, hero.viewAxis().y, 1e-9);

    ASSERT_TRUE(click(SDL_BUTTON_LEFT));
    ASSERT_EQ(hero.shots, 1U);
    const Vector& shot = hero.fires[0].velocity();
    // Along the tilted view, with the gun's small climb and spread around it.
    EXPECT_GT(shot.y / shot.length(), std::sin(hero.tilt));
    EXPECT_LT(shot.y / shot.length(), std::sin(hero.tilt + 0.2));
    ASSERT_TRUE(click(SDL_BUTTON_RIGHT));
    EXPECT_TRUE(hero.jump);
    ASSERT_TRUE(click(SDL_BUTTON_RIGHT, SDL_MOUSEBUTTONUP));
    EXPECT_FALSE(hero.jump);

    ASSERT_TRUE(moveMouse(0, -100000));
    EXPECT_NEAR(hero.tilt, 80 * std::numbers::pi / 180, 1e-9) << "short of straight up";

    ASSERT_TRUE(press(SDLK_TAB));
    EXPECT_FALSE(platform::pointerCaptured());
    ASSERT_TRUE(moveMouse(100, 0));
    EXPECT_NEAR(hero.forwardAxis().z, std::sin(yaw), 1e-9) << "a free pointer turns nothing";
}

TEST(Pause, PStopsTheSceneClockUntilPressedAgainALostFocusPausesUntilThePlayerResumesAndAClickWaitsForPlay) {
    SteppedClock clock;
    FirstPerson::Logic scene("pause test", 13, nullptr, Black, clock.seam());
    auto* hero = new FirstPerson::Hero();
    scene.hero = hero;
    dispatchWaiting();

    ASSERT_TRUE(press(SDLK_p));
    ASSERT_TRUE(scene.paused);
    clock.advance(std::chrono::seconds(5));
    scene.frame();
    EXPECT_EQ(scene.time(), 0);

    ASSERT_TRUE(press(SDLK_p));
    ASSERT_FALSE(scene.paused);
    clock.advance(std::chrono::milliseconds(20));
    scene.frame();
    EXPECT_DOUBLE_EQ(scene.time(), 0.02) << "the next step is not the whole pause";

    for (Uint8 focus : {SDL_WINDOWEVENT_FOCUS_LOST, SDL_WINDOWEVENT_FOCUS_GAINED}) {
        SDL_Event event = sceneEvent(SDL_WINDOWEVENT);
        event.window.event = focus;
        ASSERT_TRUE(inject(event));
        EXPECT_TRUE(scene.paused) << "until the player resumes";
    }
    // A click while paused only focuses; the pointer it asked for is taken when play goes on.
    click(SDL_BUTTON_LEFT);
    click(SDL_BUTTON_LEFT, SDL_MOUSEBUTTONUP);
    EXPECT_FALSE(platform::pointerCaptured());
    EXPECT_EQ(hero->shots, 0U);
    press(SDLK_p);
    EXPECT_FALSE(scene.paused);
    EXPECT_TRUE(platform::pointerCaptured());
    press(SDLK_TAB);
}

}  // namespace
