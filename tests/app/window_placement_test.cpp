#include "app/window_placement.h"

#include <gtest/gtest.h>

TEST(WindowPlacement, HalfTheDesktopCentred) {
    EXPECT_EQ(restoredPlacement({0, 0, 1920, 1080}), (platform::Rect{480, 270, 480 + 960, 270 + 540}));
}

TEST(WindowPlacement, OddSizesRoundTowardZero) {
    platform::Rect placed = restoredPlacement({0, 0, 1281, 1025});
    EXPECT_EQ(placed.width(), 640);
    EXPECT_EQ(placed.height(), 512);
    EXPECT_EQ(placed.left, 320);
    EXPECT_EQ(placed.top, 256);
}
