#include "app/control_map.h"

#include <gtest/gtest.h>

using platform::letterKey;

TEST(ControlMap, ArrowsAndTheirLetters) {
    EXPECT_EQ(controlForKey(platform::KeyUp), Forward);
    EXPECT_EQ(controlForKey(letterKey('S')), Forward);
    EXPECT_EQ(controlForKey(platform::KeyDown), Back);
    EXPECT_EQ(controlForKey(letterKey('D')), Back);
    EXPECT_EQ(controlForKey(platform::KeyLeft), TurnLeft);
    EXPECT_EQ(controlForKey(letterKey('H')), TurnLeft);
    EXPECT_EQ(controlForKey(platform::KeyRight), TurnRight);
    EXPECT_EQ(controlForKey(letterKey('L')), TurnRight);
}

TEST(ControlMap, SideStepsRaiseAndLower) {
    EXPECT_EQ(controlForKey(letterKey('A')), StepLeft);
    EXPECT_EQ(controlForKey(letterKey('F')), StepRight);
    EXPECT_EQ(controlForKey(platform::KeyReturn), Jump);
    EXPECT_EQ(controlForKey(letterKey('K')), Jump);
    EXPECT_EQ(controlForKey(platform::KeySpace), Shoot);
    EXPECT_EQ(controlForKey(letterKey('J')), Shoot);
}

TEST(ControlMap, EveryOtherKeyIsNoControl) {
    int mapped = 0;
    for (platform::VirtualKey key = 0; key < 0x100; ++key) {
        if (controlForKey(key) != NoControl) {
            ++mapped;
        }
    }
    EXPECT_EQ(mapped, 17);
    EXPECT_EQ(controlForKey(platform::KeyPageUp), PreviousModel);
    EXPECT_EQ(controlForKey(platform::KeyPageDown), NextModel);
    EXPECT_EQ(controlForKey(letterKey('T')), Turntable);
    EXPECT_EQ(controlForKey(platform::KeyEscape), NoControl);
    EXPECT_EQ(controlForKey(letterKey('W')), NoControl);
    EXPECT_EQ(controlForKey(platform::KeyOther), NoControl);
    // Lower-case character codes are not virtual keys.
    EXPECT_EQ(controlForKey('s'), NoControl);
}
