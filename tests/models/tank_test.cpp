#include "models/tank.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <set>
#include <utility>
#include <vector>

#include "geometry/color.h"
#include "geometry/mesh_checks.h"
#include "models/models_support.h"

namespace {

const Color green(0.4, 1.0, 0.2);

void expectScaled(const ::Mesh& unit, const ::Mesh& sized, double size) {
    ASSERT_EQ(unit.vertices().size(), sized.vertices().size());
    ASSERT_EQ(unit.faces().size(), sized.faces().size());
    for (std::size_t i = 0; i < unit.vertices().size(); ++i) {
        const Vertex& a = *unit.vertices()[i];
        const Vertex& b = *sized.vertices()[i];
        EXPECT_NEAR(b.x, a.x * size, 1e-12) << i;
        EXPECT_NEAR(b.y, a.y * size, 1e-12) << i;
        EXPECT_NEAR(b.z, a.z * size, 1e-12) << i;
        EXPECT_EQ(b.r, a.r) << i;
        EXPECT_EQ(b.g, a.g) << i;
        EXPECT_EQ(b.b, a.b) << i;
    }
}

TEST(TankMesh, EveryPartScalesWithTheSizeAndNoColourDoes) {
    const TankMesh unit(green, 1.0);
    for (const double size : {0.5, 2.5}) {
        SCOPED_TRACE(size);
        const TankMesh sized(green, size);
        expectScaled(unit, sized, size);
        expectScaled(unit.head, sized.head, size);
        expectScaled(unit.gun, sized.gun, size);
        expectScaled(unit.wheels, sized.wheels, size);
        EXPECT_EQ(sized.head.offset, Vector(unit.head.offset).scale(size));
        EXPECT_EQ(sized.gun.offset, Vector(unit.gun.offset).scale(size));
        EXPECT_EQ(sized.scale, size);
    }
}

TEST(TankMesh, HullIsThreeTenthsHighAndCentredOnItsWaist) {
    for (const double size : {1.0, 2.0}) {
        const Bounds b = TankMesh(green, size).bounds();
        EXPECT_NEAR(b.min.y, -0.15 * size, 1e-12);
        EXPECT_NEAR(b.max.y, 0.15 * size, 1e-12);
        // The waist is the widest and longest part: 0.9 wide and long.
        EXPECT_NEAR(b.min.x, -0.45 * size, 1e-12);
        EXPECT_NEAR(b.max.x, 0.45 * size, 1e-12);
        EXPECT_NEAR(b.min.z, -0.45 * size, 1e-12);
        EXPECT_NEAR(b.max.z, 0.45 * size, 1e-12);
    }
}

TEST(TankMesh, HullIsClosedAndShadedToBlackAtItsBottom) {
    const TankMesh hull(green, 1.0);
    // A closed surface facing one way: every edge is run once each way, by two triangles.
    std::set<std::pair<long, long>> edges;
    for (const auto& corners : faceIndices(hull)) {
        ASSERT_EQ(corners.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_TRUE(edges.emplace(corners[i], corners[(i + 1) % 3]).second);
        }
    }
    for (const auto& [from, to] : edges) {
        EXPECT_TRUE(edges.contains({to, from})) << from << " " << to;
    }
    for (const auto& v : hull.vertices()) {
        if (std::abs(v->y + 0.15) < 1e-12) {
            EXPECT_EQ(v->g, 0);
        }
        if (std::abs(v->y - 0.15) < 1e-12) {
            EXPECT_DOUBLE_EQ(v->g, 0.5);
        }
    }
}

TEST(TankMeshGun, MuzzleIsTheCentreOfTheFrontDisc) {
    for (const double size : {1.0, 3.0}) {
        TankMesh::Gun gun(green, size);
        ASSERT_NE(gun.muzzle, nullptr);
        EXPECT_EQ(static_cast<const Vector&>(*gun.muzzle), Vector(0, 0, 0.25 * size));
        EXPECT_NEAR(gun.bounds().max.z, 0.25 * size, 1e-12);
        EXPECT_NEAR(gun.bounds().max.x, 0.05 * size, 1e-12);
    }
}

TEST(TankMeshGun, MuzzleColourChangesExactlyOneVertex) {
    TankMesh::Gun gun(green, 1.0);
    std::vector<Color> before;
    for (const auto& v : gun.vertices()) {
        before.push_back(*v);
    }
    EXPECT_EQ(&gun.setMuzzleColor(White), &gun);
    int changed = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const Vertex& v = *gun.vertices()[i];
        if (v.r != before[i].r || v.g != before[i].g || v.b != before[i].b) {
            ++changed;
            EXPECT_EQ(&v, gun.muzzle);
        }
    }
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(gun.muzzle->r, 1);
}

TEST(Tank, ReleasedAboveTheGroundComesToRestOnItsWheels) {
    ClockStage stage;
    for (const double size : {1.0, 2.0}) {
        Tank tank(green, size);
        EXPECT_DOUBLE_EQ(tank.halfHeight(), 0.3 * size);
        tank.setActive(true);
        tank.setPosition(0, 3, 0);
        for (int frame = 0; frame < 200; ++frame) {
            tank.update(0.02);
        }
        EXPECT_DOUBLE_EQ(tank.position().y, 0.3 * size);
        EXPECT_FALSE(tank.isAirborne());
        // The bottoms of the wheels touch the ground, and the hull's belly clears it.
        EXPECT_NEAR(tank.position().y + tank.axleHeight() - tank.wheelRadius(), 0, 1e-12);
        EXPECT_GT(tank.position().y + tank.mesh().bounds().min.y, 0);
    }
}

}  // namespace
