#include "app/control_map.h"

#include <gtest/gtest.h>

using platform::letterKey;

TEST(ControlMap, ArrowsAndTheirLetters) {
    EXPECT_EQ(controlForKey(platform::KeyUp), 0);
    EXPECT_EQ(controlForKey(letterKey('S')), 0);
    EXPECT_EQ(controlForKey(platform::KeyDown), 1);
    EXPECT_EQ(controlForKey(letterKey('D')), 1);
    EXPECT_EQ(controlForKey(platform::KeyLeft), 2);
    EXPECT_EQ(controlForKey(letterKey('H')), 2);
    EXPECT_EQ(controlForKey(platform::KeyRight), 3);
    EXPECT_EQ(controlForKey(letterKey('L')), 3);
}

TEST(ControlMap, SideStepsRaiseAndLower) {
    EXPECT_EQ(controlForKey(letterKey('A')), 4);
    EXPECT_EQ(controlForKey(letterKey('F')), 5);
    EXPECT_EQ(controlForKey(platform::KeyReturn), 6);
    EXPECT_EQ(controlForKey(letterKey('K')), 6);
    EXPECT_EQ(controlForKey(platform::KeySpace), 7);
    EXPECT_EQ(controlForKey(letterKey('J')), 7);
}

TEST(ControlMap, EveryOtherKeyIsNoControl) {
    int mapped = 0;
    for (platform::VirtualKey key = 0; key < 0x100; ++key) {
        if (controlForKey(key) != NoControl) {
            ++mapped;
        }
    }
    EXPECT_EQ(mapped, 14);
    EXPECT_EQ(controlForKey(platform::KeyEscape), NoControl);
    EXPECT_EQ(controlForKey(letterKey('W')), NoControl);
    EXPECT_EQ(controlForKey(platform::KeyOther), NoControl);
    // Lower-case character codes are not virtual keys.
    EXPECT_EQ(controlForKey('s'), NoControl);
}
