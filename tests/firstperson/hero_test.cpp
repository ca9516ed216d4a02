#include "firstperson/hero.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <numbers>
#include <string>
#include <vector>

#include "firstperson/combat_scene.h"
#include "firstperson/combat_support.h"

// The player's avatar as the controls drive it, in a live combat scene.

namespace {

class HeroTest : public ::testing::Test, protected PlayerScene {
  protected:
    void SetUp() override {
        std::srand(11);
        cueLog().clear();
    }

    void press(int control) { scene.input(control, true); }
    void release(int control) { scene.input(control, false); }
    void tap(int control) {
        press(control);
        release(control);
    }
    void step(double dt = 0.02) { scene.update(dt); }

    int shotsInFlight() const {
        int flying = 0;
        for (const auto& shot : hero->fires) {
            flying += shot.isActive() ? 1 : 0;
        }
        return flying;
    }

    // Lands the player where it starts: its first update finds the ground.
    void standOnTheGround() {
        step();
        ASSERT_FALSE(hero->isAirborne());
    }
};

TEST_F(HeroTest, StartsAliveAtTheRespawnPointFacingXWithTheGunArmed) {
    EXPECT_TRUE(hero->isActive());
    EXPECT_EQ(hero->position(), Vector(-2, 0.5, 0));
    EXPECT_EQ(hero->forwardAxis(), AxisX);
    press(Shoot);
    EXPECT_EQ(shotsInFlight(), 1);
}

TEST_F(HeroTest, HoldingFireShootsOnceAndEveryShotNeedsANewPress) {
    press(Shoot);
    press(Shoot);  // the key repeating
    EXPECT_EQ(shotsInFlight(), 1);
    EXPECT_EQ(hero->shots, 1u);
    release(Shoot);
    press(Shoot);
    EXPECT_EQ(shotsInFlight(), 2);
    EXPECT_EQ(hero->shots, 2u);
    EXPECT_EQ(cueLog(), std::vector<std::string>(2, "fire"));
    // Nearly where it aims: level along +X, climbing a little.
    const Vector& v = hero->fires[0].velocity();
    EXPECT_GT(v.x, 12.8);
    EXPECT_LT(std::abs(v.z), 13 * std::sin(std::numbers::pi / 64) + 1e-9);
    EXPECT_GT(v.y, 0);
}

TEST_F(HeroTest, APressThatTheFullPoolBlocksIsUsedUpUntilReleased) {
    for (int i = 0; i < 7; ++i) {
        tap(Shoot);
    }
    ASSERT_EQ(shotsInFlight(), 7);
    press(Shoot);
    EXPECT_EQ(shotsInFlight(), 7);
    EXPECT_EQ(hero->shots, 7u);
    EXPECT_FALSE(hero->fireArmed);

    hero->fires[3].setActive(false);  // one shot has come down
    press(Shoot);
    EXPECT_EQ(shotsInFlight(), 6) << "still disarmed";
    release(Shoot);
    press(Shoot);
    EXPECT_EQ(shotsInFlight(), 7);
    EXPECT_EQ(hero->shots, 8u);
}

TEST_F(HeroTest, KilledItLosesAPointNeverBelowZeroAndSoundsTheAlarmOnce) {
    scene.addScore(3);
    press(Forward);
    hero->setActive(false);
    EXPECT_FALSE(hero->isActive());
    EXPECT_EQ(scene.score, 2u);
    EXPECT_EQ(hero->forward, 0) << "controls let go";
    hero->setActive(false);  // a second blow in the same moment
    EXPECT_EQ(scene.score, 2u);
    EXPECT_EQ(cueLog(), std::vector<std::string>{"alarm"});

    scene.score = 0;
    hero->setActive(true);
    hero->setActive(false);
    EXPECT_EQ(scene.score, 0u);
    EXPECT_EQ(cueLog(), (std::vector<std::string>{"alarm", "alarm"}));
}

TEST_F(HeroTest, ComesBackOnlyWhenTheTimerHasRunOutAndFireIsPressed) {
    // The first death waits the 1.5 s as every later one does.
    hero->setActive(false);
    step(1.49);
    press(Shoot);
    step();
    EXPECT_FALSE(hero->isActive()) << "pressed too early";
    release(Shoot);
    press(Shoot);
    step();
    ASSERT_TRUE(hero->isActive());
    EXPECT_EQ(hero->forwardAxis(), AxisX);
    EXPECT_NEAR(hero->position().x, -2, 1e-12);
    EXPECT_NEAR(hero->position().z, 0, 1e-12);
    EXPECT_EQ(hero->respawnTimer, 1.5);
    EXPECT_EQ(shotsInFlight(), 0) << "the respawning press does not shoot";

    // The next death waits out the rest of the 1.5 s, counted only while dead.
    release(Shoot);
    step(0.5);
    hero->setActive(false);
    press(Shoot);
    release(Shoot);
    step(1.0);
    EXPECT_FALSE(hero->isActive()) << "pressed too early";
    step(0.5);
    EXPECT_FALSE(hero->isActive()) << "the early press does not count";
    press(Shoot);
    step();
    EXPECT_TRUE(hero->isActive());
}

TEST_F(HeroTest, OnTheGroundTheControlsSetTheVelocity) {
    const double s = 3.5;
    const double fall = 9.8 * 0.02;
    struct Case {
        std::initializer_list<int> controls;
        Vector velocity;
    };
    const Case cases[] = {
        {{Forward}, Vector(s, 0, 0)},
        {{Back}, Vector(-s, 0, 0)},
        {{StepLeft}, Vector(0, 0, -s)},
        {{Forward, StepRight}, Vector(s, 0, s)},  // 3.5 times root 2 diagonally
        {{Jump}, Vector(0, s * 4 / 3 - fall, 0)},
    };
    for (const Case& c : cases) {
        hero->setActive(true);
        hero->setPosition(hero->respawnPoint());
        standOnTheGround();
        for (int control : c.controls) {
            press(control);
        }
        step();
        const Vector& v = hero->velocity();
        EXPECT_NEAR(v.x, c.velocity.x, 1e-9);
        EXPECT_NEAR(v.y, c.velocity.y, 1e-9);
        EXPECT_NEAR(v.z, c.velocity.z, 1e-9);
        for (int control : c.controls) {
            release(control);
        }
    }
    EXPECT_NEAR(std::hypot(s, s), 3.5 * std::numbers::sqrt2, 1e-12);
}

TEST_F(HeroTest, InTheAirItTurnsButCannotWalkOrJump) {
    hero->setPosition(0, 3, 0);
    step();
    ASSERT_TRUE(hero->isAirborne());
    const double vy = hero->velocity().y;
    for (int control : {Forward, StepRight, Jump, TurnRight}) {
        press(control);
    }
    step(0.1);
    EXPECT_EQ(hero->velocity().x, 0);
    EXPECT_EQ(hero->velocity().z, 0);
    EXPECT_NEAR(hero->velocity().y, vy - 0.98, 1e-9);
    // Half a turn a second, to the right (+Z from +X).
    EXPECT_NEAR(hero->forwardAxis().x, std::cos(0.1 * std::numbers::pi), 1e-9);
    EXPECT_NEAR(hero->forwardAxis().z, std::sin(0.1 * std::numbers::pi), 1e-9);
}

TEST_F(HeroTest, ReleasingADirectionKeepsTheOppositeOnePressedAfterIt) {
    struct Axis {
        int negative, positive;
        const double& value;
    };
    for (const Axis& axis : {Axis{Back, Forward, hero->forward}, Axis{TurnLeft, TurnRight, hero->turn},
                             Axis{StepLeft, StepRight, hero->strafe}}) {
        press(axis.positive);
        press(axis.negative);
        release(axis.positive);
        EXPECT_EQ(axis.value, -1);
        release(axis.negative);
        EXPECT_EQ(axis.value, 0);
    }
    press(Jump);
    EXPECT_TRUE(hero->jump);
    release(Jump);
    EXPECT_FALSE(hero->jump);
}

}  // namespace
