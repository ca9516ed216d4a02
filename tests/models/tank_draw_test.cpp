#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "models/models_support.h"
#include "models/tank.h"
#include "support/gl_context.h"

namespace {

// Where the muzzle is drawn, in model units, for the tank at the origin: found by its own colour.
Vector drawnMuzzle(Tank& tank) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    Vector found(0, -9, 0);
    int count = 0;
    for (const auto& primitive : captureFeedback([&] { tank.drawMesh(); })) {
        for (const auto& v : primitive.vertices) {
            if (v.r == 1 && v.g == 0 && v.b == 0) {
                // The 100-pixel viewport spans -1 to 1; depth 0 to 1 spans z -1 to 1.
                found.set(v.x / 50 - 1, v.y / 50 - 1, 2 * v.z - 1);
                ++count;
            }
        }
    }
    EXPECT_GT(count, 0);
    return found;
}

TEST(Tank, BarrelTurnsWithTheTurretAboutItsAxisAndWithTheScanningClock) {
    TestGlContext gl(100, 100);
    ClockStage stage;
    Tank tank(Color(0.4, 1.0, 0.2), 1.0);
    tank.body.gun.setMuzzleColor(Color(1, 0, 0));
    const Vector axis = tank.body.head.offset;
    // The barrel's breech sits on the turret, and its muzzle a barrel's length in front of it.
    const double reach = tank.body.gun.offset.z + 0.25;
    const double height = axis.y + tank.body.gun.offset.y;
    const double tolerance = 2e-3;  // a fraction of a pixel and of the depth resolution
    const struct {
        double time;
        double degrees;  // the turret's heading from straight ahead, to one side or the other
    } cases[] = {{0, 0}, {2, 45}, {4, 0}, {6, -45}};
    double sides[2] = {0, 0};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.time);
        stage.time = c.time;
        const double bounce = tank.halfHeight() * (std::sin(2 * std::numbers::pi * c.time) + 1) * 0.03125;
        const double heading = std::abs(c.degrees) * std::numbers::pi / 180;
        const Vector muzzle = drawnMuzzle(tank);
        EXPECT_NEAR(muzzle.y, height + bounce, tolerance);
        EXPECT_NEAR(std::abs(muzzle.x), reach * std::sin(heading), tolerance);
        EXPECT_NEAR(muzzle.z - axis.z, reach * std::cos(heading), tolerance);
        if (c.degrees != 0) {
            sides[c.degrees > 0 ? 0 : 1] = muzzle.x;
        }
    }
    // The sweep goes to both sides.
    EXPECT_LT(sides[0] * sides[1], 0);
}

}  // namespace
