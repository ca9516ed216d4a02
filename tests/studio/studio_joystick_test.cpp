#include "studio/studio.h"

#include "platform/message_queue.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <numbers>

namespace {

using namespace std::chrono_literals;

constexpr int OrbitLeftButton = 0;  // button 1, bit 0x01: TurnLeft
constexpr int StickX = 0;

// The viewer in a hidden window, driven through SDL's virtual joystick and run by a loop like its own: a
// waiting message first, otherwise a frame. Steps are counted from where its camera stands.
class StudioJoystickTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Held by the test too: leaving the subsystem detaches every virtual joystick.
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
    }
    void TearDown() override {
        studio.reset();
        unplug();
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }

    void start() {
        studio = std::make_unique<Studio>();
        heading = headingNow();
    }
    void plugIn() {
        int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_UNKNOWN, 3, 10, 0);
        ASSERT_GE(device, 0);
        joystick = SDL_JoystickOpen(device);
        ASSERT_NE(joystick, nullptr);
    }
    void unplug() {
        if (joystick != nullptr) {
            SDL_JoystickClose(joystick);
            joystick = nullptr;
            SDL_JoystickDetachVirtual(0);
        }
    }

    // Runs the viewer for the time given; returns the orbit steps it made (to the left positive).
    int run(std::chrono::milliseconds duration) {
        double steps = 0;
        auto end = std::chrono::steady_clock::now() + duration;
        platform::Message message;
        while (std::chrono::steady_clock::now() < end) {
            if (platform::peekMessage(message)) {
                platform::dispatchMessage(message);
            } else {
                studio->frame();
            }
            steps += stepsSinceLastLook();
        }
        return static_cast<int>(std::lround(steps));
    }

    double stepsSinceLastLook() {
        const double now = headingNow();
        const double steps = std::remainder(now - heading, 2 * std::numbers::pi) / (std::numbers::pi / 12);
        heading = now;
        return steps;
    }

    // Sets the stick's x and runs the viewer until the joystick's poll has delivered it; returns the orbit
    // steps it made. Faster than any fixed time, so that a busy machine stays inside the repeat delay.
    int moveStick(Sint16 x) {
        SDL_JoystickSetVirtualAxis(joystick, StickX, x);
        double steps = 0;
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        platform::Message message;
        bool delivered = false;
        while (!delivered && std::chrono::steady_clock::now() < deadline) {
            if (platform::peekMessage(message)) {
                delivered =
                    message.kind == platform::MessageKind::Joy1Move &&
                    message.x == static_cast<std::uint32_t>(x + static_cast<int>(platform::AxisCentre));
                platform::dispatchMessage(message);
            } else {
                studio->frame();
            }
            steps += stepsSinceLastLook();
        }
        EXPECT_TRUE(delivered) << "stick x " << x;
        return static_cast<int>(std::lround(steps));
    }

    // Holds button 1 for the time given, then lets the viewer run on with it released.
    int holdOrbitButton(std::chrono::milliseconds duration) {
        SDL_JoystickSetVirtualButton(joystick, OrbitLeftButton, 1);
        int steps = run(duration);
        SDL_JoystickSetVirtualButton(joystick, OrbitLeftButton, 0);
        return steps + run(700ms);
    }

    double headingNow() const { return std::atan2(-studio->direction().x, studio->direction().z); }

    std::unique_ptr<Studio> studio;
    SDL_Joystick* joystick = nullptr;
    double heading = 0;
};

}  // namespace

TEST_F(StudioJoystickTest, ATapIsOneStepAndAHoldAKeyboardLikeHandful) {
    plugIn();
    start();
    EXPECT_EQ(run(200ms), 0);
    EXPECT_EQ(holdOrbitButton(100ms), 1);
    int held = holdOrbitButton(1000ms);
    RecordProperty("steps of a 1 s hold", held);
    EXPECT_GE(held, 2);
    EXPECT_LE(held, 20);
}

TEST_F(StudioJoystickTest, StickWobbleInsideAThirdDoesNothingMore) {
    plugIn();
    start();
    const Sint16 centreWobble[] = {0, 3000, -4000, 10922, -10922, 500};
    const Sint16 leftWobble[] = {-11000, -20000, -32768, -15000, -25000, -12000};
    int steps = 0;
    for (Sint16 x : centreWobble) {
        steps += moveStick(x);
    }
    EXPECT_EQ(steps, 0);
    // Poll by poll, well before the first repeat is due.
    for (Sint16 x : leftWobble) {
        steps += moveStick(x);
    }
    SDL_JoystickSetVirtualAxis(joystick, StickX, 0);
    steps += run(700ms);
    EXPECT_EQ(steps, 1);
}

TEST_F(StudioJoystickTest, AJoystickPluggedInAfterStartWorksAndSoDoesAReplug) {
    start();
    EXPECT_EQ(run(100ms), 0);
    plugIn();
    EXPECT_EQ(run(100ms), 0);
    EXPECT_EQ(holdOrbitButton(100ms), 1);

    // Unplugged while held: the button lets go with it, and no repeat follows.
    SDL_JoystickSetVirtualButton(joystick, OrbitLeftButton, 1);
    int steps = run(100ms);
    unplug();
    EXPECT_EQ(steps + run(1000ms), 1);

    plugIn();
    EXPECT_EQ(run(100ms), 0);
    EXPECT_EQ(holdOrbitButton(100ms), 1);
}
