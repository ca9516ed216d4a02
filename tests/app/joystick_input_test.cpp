#include "app/joystick_input.h"

#include "input_recorder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace std::chrono_literals;
using Calls = std::vector<InputRecorder::Call>;

constexpr std::uint32_t Centre = platform::AxisCentre;

// A captured joystick whose repeats are paced by a clock the test sets.
class JoystickInputTest : public ::testing::Test {
  protected:
    JoystickInputTest() { joystick.captured = true; }

    // Stick and z messages, as the joystick sends them at every poll, every 10 ms for the time given.
    void hold(std::uint32_t x, std::uint32_t y, std::uint32_t z, std::uint32_t buttons,
              std::chrono::milliseconds duration) {
        for (auto end = now + duration; now < end; now += 10ms) {
            joystick.stickMoved(scene, x, y, buttons);
            joystick.zMoved(scene, z, buttons);
        }
    }

    ControlRepeat::TimePoint now{};
    JoystickInput joystick{[this] { return now; }};
    InputRecorder scene;
};

}  // namespace

TEST(JoystickThirds, BoundariesOnRawValues) {
    auto third = [](int raw) { return thirdOf(raw - 32768); };
    EXPECT_EQ(third(0), Third::Low);
    EXPECT_EQ(third(21845), Third::Low);
    EXPECT_EQ(third(21846), Third::Centre);
    EXPECT_EQ(third(32768), Third::Centre);
    EXPECT_EQ(third(43690), Third::Centre);
    EXPECT_EQ(third(43691), Third::High);
    EXPECT_EQ(third(65535), Third::High);
}

TEST_F(JoystickInputTest, EachAxisPressesOnEnteringAThirdAndReleasesOnLeavingIt) {
    struct Case {
        std::uint32_t x, y, z;
        Calls expected;
    };
    const Case cases[] = {
        {21845, Centre, Centre, {{StepLeft, true}, {StepLeft, false}}},
        {43691, Centre, Centre, {{StepRight, true}, {StepRight, false}}},
        {Centre, 0, Centre, {{Forward, true}, {Forward, false}}},
        {Centre, 65535, Centre, {{Back, true}, {Back, false}}},
        {Centre, Centre, 0, {{TurnLeft, true}, {TurnLeft, false}}},
        {Centre, Centre, 65535, {{TurnRight, true}, {TurnRight, false}}},
        {21846, 43690, 21846, {}},
    };
    for (const Case& c : cases) {
        scene.calls.clear();
        hold(c.x, c.y, c.z, 0, 100ms);
        hold(Centre, Centre, Centre, 0, 100ms);
        EXPECT_EQ(scene.calls, c.expected) << c.x << " " << c.y << " " << c.z;
    }
}

TEST_F(JoystickInputTest, WobbleInsideAThirdDeliversNothing) {
    const std::uint32_t wobble[] = {100, 200, 21845, 0, 150};
    for (std::uint32_t x : wobble) {
        joystick.stickMoved(scene, x, Centre + (x % 7000), 0);
        joystick.zMoved(scene, 65535 - x / 2, 0);
        now += 10ms;
    }
    EXPECT_EQ(scene.calls, (Calls{{StepLeft, true}, {TurnRight, true}}));
}

TEST_F(JoystickInputTest, CrossingToTheOppositeThirdReleasesTheOldControlThenPressesTheNew) {
    joystick.stickMoved(scene, 0, 65535, 0);
    joystick.stickMoved(scene, 65535, 0, 0);
    joystick.zMoved(scene, 65535, 0);
    joystick.zMoved(scene, 0, 0);
    EXPECT_EQ(scene.calls, (Calls{{StepLeft, true},
                                  {Back, true},
                                  {StepLeft, false},
                                  {StepRight, true},
                                  {Back, false},
                                  {Forward, true},
                                  {TurnRight, true},
                                  {TurnRight, false},
                                  {TurnLeft, true}}));
}

TEST_F(JoystickInputTest, HeldControlsRepeatAtTheKeyboardsPace) {
    // Stick left, button 2 (bit 0x02) and the z axis high together for a second, polled every 10 ms.
    hold(0, Centre, 65535, 0x02, 1000ms);
    hold(Centre, Centre, Centre, 0, 100ms);
    for (Control control : {StepLeft, Shoot, TurnRight}) {
        auto presses = std::count(scene.calls.begin(), scene.calls.end(), InputRecorder::Call{control, true});
        auto releases =
            std::count(scene.calls.begin(), scene.calls.end(), InputRecorder::Call{control, false});
        EXPECT_EQ(presses, 16) << control;  // the press, then 15 repeats from 500 ms to 990 ms
        EXPECT_EQ(releases, 1) << control;
    }
    EXPECT_EQ(scene.calls.size(), 3U * 17U);
}

TEST_F(JoystickInputTest, XIsHandledBeforeYAndButtonsLast) {
    joystick.stickMoved(scene, 0, 65535, 0x02 | 0x08);
    EXPECT_EQ(scene.calls, (Calls{{StepLeft, true}, {Back, true}, {Shoot, true}, {Jump, true}}));
}

TEST_F(JoystickInputTest, ButtonsOfAGroupHoldOneControlAndControl7GoesFirst) {
    joystick.stickMoved(scene, Centre, Centre, 0x10);
    joystick.stickMoved(scene, Centre, Centre, 0x20);
    joystick.stickMoved(scene, Centre, Centre, 0x80 | 0x08);
    joystick.stickMoved(scene, Centre, Centre, 0);
    EXPECT_EQ(scene.calls, (Calls{{Jump, true}, {Shoot, true}, {Shoot, false}, {Jump, false}}));
}

TEST_F(JoystickInputTest, CloseButtons) {
    EXPECT_FALSE(joystick.stickMoved(scene, Centre, Centre, 0xFF));
    EXPECT_TRUE(joystick.stickMoved(scene, Centre, Centre, 0x100));
    EXPECT_TRUE(joystick.stickMoved(scene, Centre, Centre, 0x200));
    EXPECT_FALSE(joystick.stickMoved(scene, Centre, Centre, 0x400));
}

TEST_F(JoystickInputTest, ZAxisAndItsButtonsHoldTheSameControls) {
    joystick.zMoved(scene, 0, 0);
    joystick.zMoved(scene, Centre, 0x01);
    joystick.zMoved(scene, Centre, 0x05);
    joystick.zMoved(scene, 65535, 0);
    joystick.zMoved(scene, Centre, 0);
    EXPECT_EQ(scene.calls,
              (Calls{{TurnLeft, true}, {TurnRight, true}, {TurnLeft, false}, {TurnRight, false}}));
}

TEST_F(JoystickInputTest, ZButtonsAreNotStickButtons) {
    joystick.stickMoved(scene, Centre, Centre, 0x01 | 0x04);
    joystick.zMoved(scene, Centre, 0x02 | 0x08);
    EXPECT_TRUE(scene.calls.empty());
}

TEST(JoystickInput, IgnoresMessagesUntilCaptured) {
    JoystickInput joystick;
    InputRecorder scene;
    EXPECT_FALSE(joystick.stickMoved(scene, 0, 0, 0x3FF));
    joystick.zMoved(scene, 0, 0x05);
    EXPECT_TRUE(scene.calls.empty());
}
