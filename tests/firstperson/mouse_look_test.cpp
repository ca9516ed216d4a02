#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "app/pointer_input.h"
#include "firstperson/combat_scene.h"
#include "platform/cursor.h"
#include "platform/message_queue.h"

// The player with a mouse, P and a window that loses the focus, through real SDL events.

namespace {

void dispatchWaiting() {
    platform::Message message;
    while (platform::peekMessage(message)) {
        platform::dispatchMessage(message);
    }
}

SDL_Event windowEvent(Uint32 type) {
    SDL_Event event{};
    event.type = type;
    event.window.windowID = SDL_GetWindowID(SDL_GL_GetCurrentWindow());
    return event;
}

void push(SDL_Event event) {
    ASSERT_EQ(SDL_PushEvent(&event), 1);
    dispatchWaiting();
}

void click(Uint8 button, Uint32 type = SDL_MOUSEBUTTONDOWN) {
    SDL_Event event = windowEvent(type);
    event.button.button = button;
    event.button.clicks = 1;
    push(event);
}

void moveMouse(Sint32 dx, Sint32 dy) {
    SDL_Event event = windowEvent(SDL_MOUSEMOTION);
    event.motion.xrel = dx;
    event.motion.yrel = dy;
    push(event);
}

void press(SDL_Keycode key) {
    SDL_Event event = windowEvent(SDL_KEYDOWN);
    event.key.keysym.sym = key;
    push(event);
}

TEST(MouseLook, AClickCapturesTheMouseTurnsAndTiltsTheViewItsButtonsFireAndJumpTabLetsGo) {
    PlayerScene player;
    FirstPerson::Hero& hero = *player.hero;
    dispatchWaiting();
    // Level, the view is exactly the forward axis.
    EXPECT_EQ(hero.viewAxis().y, 0);
    EXPECT_TRUE(player.scene.showsCrosshair());

    click(SDL_BUTTON_LEFT);
    ASSERT_TRUE(platform::pointerCaptured());
    EXPECT_EQ(hero.shots, 0U) << "the capturing click only captures";
    click(SDL_BUTTON_LEFT, SDL_MOUSEBUTTONUP);

    moveMouse(100, -40);
    const double yaw = 100 * PointerInput::RadiansPerCount;
    EXPECT_NEAR(hero.forwardAxis().z, std::sin(yaw), 1e-9) << "to the right of +X";
    EXPECT_NEAR(hero.tilt, 40 * PointerInput::RadiansPerCount, 1e-9);
    const Vector view = hero.viewAxis();
    EXPECT_NEAR(player.scene.target().subtract(player.scene.eye()).y, view.y, 1e-9);

    click(SDL_BUTTON_LEFT);
    ASSERT_EQ(hero.shots, 1U);
    const Vector& shot = hero.fires[0].velocity();
    // Along the tilted view, with the gun's small climb and spread around it.
    EXPECT_GT(shot.y / shot.length(), std::sin(hero.tilt));
    EXPECT_LT(shot.y / shot.length(), std::sin(hero.tilt + 0.2));
    click(SDL_BUTTON_RIGHT);
    EXPECT_TRUE(hero.jump);
    click(SDL_BUTTON_RIGHT, SDL_MOUSEBUTTONUP);
    EXPECT_FALSE(hero.jump);

    moveMouse(0, -100000);
    EXPECT_NEAR(hero.tilt, 80 * std::numbers::pi / 180, 1e-9) << "short of straight up";

    press(SDLK_TAB);
    EXPECT_FALSE(platform::pointerCaptured());
    moveMouse(100, 0);
    EXPECT_NEAR(hero.forwardAxis().z, std::sin(yaw), 1e-9) << "a free pointer turns nothing";
}

TEST(Pause, PStopsTheSceneClockUntilPressedAgainAndALostFocusPausesUntilThePlayerResumes) {
    SteppedClock clock;
    FirstPerson::Logic scene("pause test", 13, nullptr, Black, clock.seam());
    auto* hero = new FirstPerson::Hero();
    scene.hero = hero;
    dispatchWaiting();
    hero->input(Forward, true);

    press(SDLK_p);
    ASSERT_TRUE(scene.paused);
    EXPECT_NE(std::string(SDL_GetWindowTitle(SDL_GL_GetCurrentWindow())).find("paused"), std::string::npos);
    const Vector where = hero->position();
    clock.advance(std::chrono::seconds(5));
    scene.frame();
    EXPECT_EQ(scene.time(), 0);
    EXPECT_EQ(hero->position().x, where.x) << "nothing moves";

    press(SDLK_p);
    ASSERT_FALSE(scene.paused);
    clock.advance(std::chrono::milliseconds(20));
    scene.frame();
    EXPECT_DOUBLE_EQ(scene.time(), 0.02) << "the next step is not the whole pause";

    SDL_Event lost = windowEvent(SDL_WINDOWEVENT);
    lost.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    push(lost);
    EXPECT_TRUE(scene.paused);
    SDL_Event gained = lost;
    gained.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
    push(gained);
    EXPECT_TRUE(scene.paused) << "until the player resumes";
}

}  // namespace
