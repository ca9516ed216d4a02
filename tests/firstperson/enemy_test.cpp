#include "firstperson/enemy.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "firstperson/combat_support.h"
#include "firstperson/terminatable.h"

namespace {

// The smallest enemy that can die: it comes back at (0, 3, 0) facing +X.
class Target : public Terminatable<Enemy<Dummy>> {
  public:
    // Enemies start switched off, waiting for their first placement.
    Target() { Object::setActive(false); }

    std::optional<Matrix> spawnPlacement() override {
        Matrix placement;
        placement.m[8] = 1;
        placement.m[10] = 0;
        placement.m[12] = 0;
        placement.m[13] = 3;
        return placement;
    }
};

class Layers : public ::testing::Test {
  protected:
    void SetUp() override {
        cueLog().clear();
        std::srand(7);
    }

    FakeStage stage;
};

TEST_F(Layers, TheFirstAppearanceIsSilentEveryLaterOnePlaysLife) {
    Target target;
    target.update(0.02);
    EXPECT_TRUE(target.isActive());
    EXPECT_EQ(target.appearances, 1);
    EXPECT_TRUE(cueLog().empty());
    EXPECT_NEAR(target.position().y, 3, 0.01);
    EXPECT_NEAR(target.forwardAxis().x, 1, 1e-12);

    target.setActive(false);
    target.setActive(true);
    target.setActive(false);
    target.setActive(true);
    EXPECT_EQ(cueLog(), (std::vector<std::string>{"life", "life"}));
    EXPECT_EQ(target.appearances, 3);
}

TEST_F(Layers, DyingThrowsItUpBangsTumblesAndEndsAtTheTopOfTheThrow) {
    Target target;
    target.update(0.02);
    const double radius = target.radius();
    target.setState(Target::Dying);
    EXPECT_EQ(cueLog(), std::vector<std::string>{"bang"});
    EXPECT_TRUE(target.isPassive());
    EXPECT_GE(target.velocity().y, 10.5 * radius - 1e-12);
    EXPECT_LE(target.velocity().y, 14 * radius + 1e-12);
    EXPECT_EQ(target.velocity().x, 0);

    target.update(0.05);
    EXPECT_DOUBLE_EQ(target.modelTransform().m[5], std::cos(target.timer * 3 * std::numbers::pi));
    int updates = 0;
    while (target.isActive() && updates < 100) {
        target.update(0.05);
        ++updates;
    }
    EXPECT_FALSE(target.isActive());
    EXPECT_EQ(target.state, Target::Spawned);
    EXPECT_FALSE(target.isPassive());
    EXPECT_GT(target.position().y, 3);  // vanished in the air
    EXPECT_EQ(target.modelTransform().m[5], 1);
}

TEST_F(Layers, ADyingObjectEndsOnAFixedObjectOrComingDownButNotWhileRising) {
    Target target;
    target.update(0.02);
    target.setState(Target::Dying);
    target.hit(nullptr);  // rising: the ground does not end it
    EXPECT_TRUE(target.isActive());
    Dummy loose;
    target.velocity().y = 0;
    target.hit(&loose);  // touched in the air, not landed on
    EXPECT_TRUE(target.isActive());
    Dummy rock;
    rock.fixed = true;
    target.hit(&rock);
    EXPECT_FALSE(target.isActive());

    target.setActive(true);
    target.setState(Target::Dying);
    target.velocity().y = 0;
    target.hit(nullptr);
    EXPECT_FALSE(target.isActive());
}

}  // namespace
