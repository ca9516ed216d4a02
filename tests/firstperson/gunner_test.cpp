#include "firstperson/gunner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

#include "firstperson/combat_support.h"
#include "firstperson/fire.h"

namespace {

constexpr double pi = std::numbers::pi;

// A gun of 3 shots on a box, with its spread, reload and aim set by the test.
class Turret : public Gunner<FirstPerson::EnemyFire, 3, Dummy> {
  public:
    double spread() const override { return spreadValue; }
    double reloadTime() const override { return reload; }
    Vector aimDirection() const override { return aim; }
    void onShot() override { ++shots; }

    int flying() const {
        int count = 0;
        for (const auto& shot : fires) {
            count += shot.isActive() ? 1 : 0;
        }
        return count;
    }

    double spreadValue = 0;
    double reload = 0;
    Vector aim = AxisX;
    int shots = 0;
};

class Guns : public ::testing::Test {
  protected:
    void SetUp() override {
        cueLog().clear();
        std::srand(11);
        turret.setPosition(0, 3, 0);
    }

    FakeStage stage;
    Turret turret;
};

TEST_F(Guns, WithoutAReloadEveryCallLaunchesWhileAShotIsIdle) {
    for (int i = 0; i < 4; ++i) {
        turret.fire();
    }
    EXPECT_EQ(turret.flying(), 3);
    EXPECT_EQ(turret.shots, 3);
    EXPECT_EQ(cueLog(), std::vector<std::string>(3, "fire"));
}

TEST_F(Guns, AFullPoolFiresNothingButUsesUpTheReload) {
    turret.fire();
    turret.fire();
    turret.fire();
    turret.reload = 0.5;
    turret.fire();
    EXPECT_EQ(turret.shots, 3);
    EXPECT_EQ(turret.cooldown, 0.5);
    turret.fires[0].setActive(false);
    turret.update(0.3);
    turret.fire();
    EXPECT_EQ(turret.shots, 3);
    turret.update(0.3);
    turret.fire();
    EXPECT_EQ(turret.shots, 4);
}

TEST_F(Guns, WithoutSpreadTheShotLeavesAlongTheAimRaisedAnEighthFromJustOutside) {
    turret.aim = Vector(0, 0, -1);
    turret.fire();
    const FirstPerson::EnemyFire& shot = turret.fires[0];
    const Vector v = shot.velocity();
    EXPECT_NEAR(v.length(), 13, 1e-9);
    EXPECT_NEAR(v.x, 0, 1e-12);
    EXPECT_NEAR(v.y / -v.z, 0.125, 1e-12);
    EXPECT_NEAR(shot.forwardAxis().z, -1, 1e-12);
    const double muzzle = shot.radius() + turret.radius();
    EXPECT_NEAR(shot.position().z, -muzzle, 1e-12);
    EXPECT_NEAR(shot.position().y, 3, 1e-12);
}

TEST_F(Guns, FullSpreadStaysWithinAnEighthOfATurnAndRaisesUpToAQuarter) {
    turret.spreadValue = 1;
    double widest = 0;
    for (int i = 0; i < 200; ++i) {
        turret.fire();
        FirstPerson::EnemyFire& shot = turret.fires[0];
        const Vector v = shot.velocity();
        const double flat = std::hypot(v.x, v.z);
        const double angle = std::atan2(-v.z, v.x);  // about Y, from the aim along +X
        EXPECT_LE(std::abs(angle), pi / 8 + 1e-12);
        EXPECT_GE(v.y / flat, 0.125 - 1e-12);
        EXPECT_LE(v.y / flat, 0.25 + 1e-12);
        widest = std::max(widest, std::abs(angle));
        shot.setActive(false);
    }
    EXPECT_GT(widest, pi / 16);
}

TEST_F(Guns, AnAimWithNoHorizontalPartLeavesAlongTheShootersHeading) {
    turret.face(Vector(-1, 0, 0));
    for (const Vector& aim : {AxisY, Origin}) {
        turret.aim = aim;
        turret.fire();
        FirstPerson::EnemyFire& shot = turret.fires[0];
        EXPECT_NEAR(shot.forwardAxis().x, -1, 1e-12);
        EXPECT_NEAR(shot.forwardAxis().length(), 1, 1e-12);
        EXPECT_LT(shot.position().x, 0);
        EXPECT_FALSE(std::isnan(shot.velocity().length()));
        EXPECT_NEAR(shot.velocity().length(), 13, 1e-9);
        shot.setActive(false);
    }
}

}  // namespace
