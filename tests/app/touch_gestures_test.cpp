#include "app/touch_gestures.h"

#include <gtest/gtest.h>

TEST(TouchGestures, StickCountsAPushPastAThirdOfItsRadiusEachWay) {
    constexpr double radius = 90;
    EXPECT_EQ(stickPush(25, -25, radius), (StickPush{Third::Centre, Third::Centre}));
    EXPECT_EQ(stickPush(0, -40, radius), (StickPush{Third::Centre, Third::Low}));
    EXPECT_EQ(stickPush(-40, 40, radius), (StickPush{Third::Low, Third::High}));
    // Far past the rim is still one push.
    EXPECT_EQ(stickPush(900, 0, radius), (StickPush{Third::High, Third::Centre}));
    EXPECT_EQ(stickPush(900, 900, 0), (StickPush{Third::Centre, Third::Centre}));
}

TEST(TouchGestures, PinchGivesANotchPerRatioAndCarriesTheRestOver) {
    Pinch pinch;
    pinch.start(100);
    // Small moves add up: 100 -> 120 is no notch yet, 130 completes one (125).
    EXPECT_EQ(pinch.notches(120), 0);
    EXPECT_EQ(pinch.notches(130), 1);
    EXPECT_EQ(pinch.notches(100 * Pinch::NotchRatio * Pinch::NotchRatio * Pinch::NotchRatio + 1), 2);
    // Closing back to the start takes all three back.
    EXPECT_EQ(pinch.notches(99), -3);
    Pinch unstarted;
    EXPECT_EQ(unstarted.notches(500), 0);
}

TEST(TouchGestures, DoubleTapNeedsTheSecondTapSoonAndNear) {
    DoubleTap tap;
    EXPECT_FALSE(tap.tapped(10.0, 100, 100, 30));
    EXPECT_TRUE(tap.tapped(10.3, 110, 110, 30));
    // A third tap starts the next pair.
    EXPECT_FALSE(tap.tapped(10.5, 110, 110, 30));
    // Too late, then too far: each starts a pair of its own.
    EXPECT_FALSE(tap.tapped(11.1, 110, 110, 30));
    EXPECT_FALSE(tap.tapped(11.2, 200, 110, 30));
    EXPECT_TRUE(tap.tapped(11.3, 190, 120, 30));
    // A tap that became a pinch pairs with nothing.
    EXPECT_FALSE(tap.tapped(12.0, 100, 100, 30));
    tap.forget();
    EXPECT_FALSE(tap.tapped(12.1, 100, 100, 30));
}
