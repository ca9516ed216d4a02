#include "models/raf.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/color.h"
#include "models/models_support.h"

namespace {

TEST(RAF, StandsOnWheelsOfAFifthOfItsScale) {
    RAF van(Magenta, 1.0);
    EXPECT_DOUBLE_EQ(van.wheelRadius(), 0.2);
    EXPECT_DOUBLE_EQ(van.axleHeight(), -0.2);
    EXPECT_DOUBLE_EQ(van.halfHeight(), 0.4);
    EXPECT_FALSE(van.isActive());
}

TEST(RAF, BodyIsAboutOneWideOneLongAndEightTenthsHigh) {
    RAF van(Magenta, 1.0);
    const Bounds b = van.mesh().bounds();
    EXPECT_NEAR(b.min.y, -0.2, 1e-12);
    EXPECT_NEAR(b.max.y, 0.6, 1e-12);
    // The waist is untouched by the shaping.
    EXPECT_NEAR(b.min.x, -0.5, 1e-12);
    EXPECT_NEAR(b.max.x, 0.5, 1e-12);
    // The rear lamps stand slightly out at the back.
    EXPECT_NEAR(b.min.z, -0.504, 1e-3);
    EXPECT_LT(b.min.z, -0.5);
    EXPECT_NEAR(b.max.z, 0.5, 1e-12);
}

TEST(RAF, BodyNarrowsAboveTheWaistAndSlopesAtTheUpperFront) {
    RAF van(Magenta, 1.0);
    // The roof (y = 1 of the body block before the final scaling) lies at y = 0.6.
    int roof = 0;
    for (const auto& v : van.body.vertices()) {
        if (std::abs(v->y - 0.6) < 1e-9) {
            ++roof;
            EXPECT_NEAR(std::abs(v->x), 0.5 * 5 / 6, 1e-12);
            if (v->z > 0.25) {
                // z of the block's front (1.5) shortened by 1 - (7/6)/3, then scaled by 1/3.
                EXPECT_NEAR(v->z, 1.5 * (1 - (7.0 / 6) / 3) / 3, 1e-12);
            }
        }
    }
    EXPECT_GT(roof, 0);
}

TEST(RAF, EverythingButTheColoursScales) {
    RAF small(Magenta, 1.0);
    RAF big(Magenta, 2.5);
    ASSERT_EQ(small.body.vertices().size(), big.body.vertices().size());
    ASSERT_EQ(small.body.faces().size(), big.body.faces().size());
    for (std::size_t i = 0; i < small.body.vertices().size(); ++i) {
        const Vertex& a = *small.body.vertices()[i];
        const Vertex& b = *big.body.vertices()[i];
        EXPECT_NEAR(b.x, a.x * 2.5, 1e-9);
        EXPECT_NEAR(b.y, a.y * 2.5, 1e-9);
        EXPECT_NEAR(b.z, a.z * 2.5, 1e-9);
        EXPECT_EQ(b.r, a.r);
        EXPECT_EQ(b.g, a.g);
        EXPECT_EQ(b.b, a.b);
    }
    ASSERT_EQ(small.body.wheels.vertices().size(), big.body.wheels.vertices().size());
    for (std::size_t i = 0; i < small.body.wheels.vertices().size(); ++i) {
        EXPECT_NEAR(big.body.wheels.vertices()[i]->x, small.body.wheels.vertices()[i]->x * 2.5, 1e-9);
    }
    EXPECT_DOUBLE_EQ(big.halfHeight(), 1.0);
    EXPECT_DOUBLE_EQ(big.radius(), small.radius() * 2.5);
}

TEST(RAF, BodyIsColouredFromItsColourDownToATenthOfIt) {
    RAF van(Color(1, 0, 1), 1.0);
    double brightest = 0;
    double darkest = 1;
    for (const auto& v : van.body.vertices()) {
        if (v->g == 0 && v->r == v->b) {  // body and rear lamps: magenta tones
            brightest = std::max(brightest, v->r);
            darkest = std::min(darkest, v->r);
        }
    }
    EXPECT_DOUBLE_EQ(brightest, 1.0);  // the rear lamps, painted in the colour itself
    EXPECT_NEAR(darkest, 0.1, 1e-12);  // the bottom of the body
}

TEST(RAF, ReleasedAboveTheGroundComesToRestOnItsWheels) {
    ClockStage stage;
    RAF van(Magenta, 1.0);
    van.setActive(true);
    van.setPosition(0, 3, 0);
    for (int frame = 0; frame < 200; ++frame) {
        van.update(0.02);
    }
    EXPECT_DOUBLE_EQ(van.position().y, 0.4);
    EXPECT_EQ(van.velocity().y, 0);
    EXPECT_FALSE(van.isAirborne());
}

}  // namespace
