#include "app/joystick_input.h"

#include "input_recorder.h"

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<InputRecorder::Call>;

constexpr std::uint32_t Centre = 32768;

class JoystickInputTest : public ::testing::Test {
  protected:
    JoystickInputTest() { joystick.captured = true; }

    JoystickInput joystick;
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

TEST_F(JoystickInputTest, StickXDeliversSideControlsByThird) {
    joystick.stickMoved(scene, 21845, Centre, 0);
    joystick.stickMoved(scene, 21846, Centre, 0);
    joystick.stickMoved(scene, 43691, Centre, 0);
    joystick.stickMoved(scene, 43690, Centre, 0);
    EXPECT_EQ(scene.calls, (Calls{{4, true}, {4, false}, {5, false}, {5, true}, {4, false}, {5, false}}));
}

TEST_F(JoystickInputTest, StickYDeliversUpAndDown) {
    joystick.stickMoved(scene, Centre, 0, 0);
    joystick.stickMoved(scene, Centre, 65535, 0);
    EXPECT_EQ(scene.calls, (Calls{{0, true}, {1, true}}));
}

TEST_F(JoystickInputTest, UnchangedAxisDeliversNothingButAChangeInTheSameThirdRepeats) {
    joystick.stickMoved(scene, 100, Centre, 0);
    joystick.stickMoved(scene, 100, Centre, 0);
    joystick.stickMoved(scene, 200, Centre, 0);
    EXPECT_EQ(scene.calls, (Calls{{4, true}, {4, true}}));
}

TEST_F(JoystickInputTest, XIsHandledBeforeYAndButtonsLast) {
    joystick.stickMoved(scene, 0, 65535, 0x02 | 0x08);
    EXPECT_EQ(scene.calls, (Calls{{4, true}, {1, true}, {7, true}, {6, true}}));
}

TEST_F(JoystickInputTest, HeldButtonRepeatsWithEveryMessageAndReleasesOnce) {
    for (int message = 0; message < 3; ++message) {
        joystick.stickMoved(scene, Centre, Centre, 0x40);
    }
    for (int message = 0; message < 3; ++message) {
        joystick.stickMoved(scene, Centre, Centre, 0);
    }
    EXPECT_EQ(scene.calls, (Calls{{7, true}, {7, true}, {7, true}, {7, false}}));
}

TEST_F(JoystickInputTest, ButtonGroupsShareOneLatchEachAndControl7GoesFirst) {
    joystick.stickMoved(scene, Centre, Centre, 0x10);
    joystick.stickMoved(scene, Centre, Centre, 0x20);
    joystick.stickMoved(scene, Centre, Centre, 0x80);
    joystick.stickMoved(scene, Centre, Centre, 0);
    EXPECT_EQ(scene.calls, (Calls{{6, true}, {6, true}, {7, true}, {6, false}, {7, false}}));
}

TEST_F(JoystickInputTest, CloseButtons) {
    EXPECT_FALSE(joystick.stickMoved(scene, Centre, Centre, 0xFF));
    EXPECT_TRUE(joystick.stickMoved(scene, Centre, Centre, 0x100));
    EXPECT_TRUE(joystick.stickMoved(scene, Centre, Centre, 0x200));
    EXPECT_FALSE(joystick.stickMoved(scene, Centre, Centre, 0x400));
}

TEST_F(JoystickInputTest, ZAxisAndItsButtons) {
    joystick.zMoved(scene, 0, 0);
    joystick.zMoved(scene, Centre, 0);
    joystick.zMoved(scene, Centre, 0x01);
    joystick.zMoved(scene, Centre, 0x05);
    joystick.zMoved(scene, Centre, 0);
    EXPECT_EQ(
        scene.calls,
        (Calls{{2, true}, {2, false}, {3, false}, {2, true}, {2, true}, {3, true}, {2, false}, {3, false}}));
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
