#include "firstperson/fokker_enemy.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

#include "firstperson/combat_support.h"

namespace {

constexpr double pi = std::numbers::pi;
const Vector orbit(6, 4, 0);

bool finite(const Vector& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}
bool finite(const Matrix& m) {
    for (double e : m.m) {
        if (!std::isfinite(e)) {
            return false;
        }
    }
    return true;
}

int flying(const FokkerEnemy& enemy) {
    int count = 0;
    for (const auto& shot : enemy.fires) {
        count += shot.isActive() ? 1 : 0;
    }
    return count;
}

// Spawns it and lets it fly its circle.
void takeOff(FokkerEnemy& enemy) {
    for (int i = 0; i < 3; ++i) {
        enemy.update(0.02);
    }
}

// Flies a HeroFire into the aircraft from half a unit away.
void shoot(FokkerEnemy& enemy, FirstPerson::HeroFire& shot) {
    const Vector at = Vector(enemy.position()).add(Vector(0.5, 0, 0));
    shot.face(Vector(-1, 0, 0));
    shot.setPosition(at);
    shot.setActive(true);
    shot.setVelocity(Vector(-10, 0, 0));
    shot.update(0.01);
}

class Aircraft : public ::testing::Test {
  protected:
    void SetUp() override {
        cueLog().clear();
        std::srand(5);
        combat.hero = &player;
        player.setPosition(0, 0.5, 0);
    }

    // Puts the player `ahead` units along the aircraft's heading (negative: behind), at height y.
    void placePlayer(const FokkerEnemy& enemy, double ahead, double y) {
        Vector at = Vector(enemy.forwardAxis()).scale(ahead).add(enemy.position());
        player.setPosition(at.x, y, at.z);
    }

    FakeStage stage;
    FakeCombat combat;
    Dummy player;
};

TEST_F(Aircraft, ComesOnSilentlyOnItsCircleThenFliesItBanked) {
    FokkerEnemy enemy(orbit, false);
    EXPECT_FALSE(enemy.isActive());
    enemy.update(0.02);
    ASSERT_TRUE(enemy.isActive());
    EXPECT_EQ(enemy.state, FokkerEnemy::Spawned);
    EXPECT_TRUE(cueLog().empty());
    EXPECT_NEAR(std::hypot(enemy.position().x, enemy.position().z), 6, 1e-9);
    EXPECT_NEAR(enemy.position().y, 4, 1e-9);

    enemy.update(0.02);
    EXPECT_EQ(enemy.state, FokkerEnemy::Circling);
    stage.time = 1;
    enemy.update(0.02);
    const Vector before = enemy.position();
    EXPECT_NEAR(before.distance(enemy.orbitPoint()), 0, 1e-12);
    EXPECT_EQ(enemy.velocity(), Origin);
    // Bank of pi/12 with the wobble at its top at t = 1.
    EXPECT_NEAR(std::atan2(enemy.modelTransform().m[1], enemy.modelTransform().m[0]), pi / 12 + pi / 48,
                1e-12);

    stage.time = 1.01;
    enemy.update(0.01);
    Vector step = Vector(enemy.position()).subtract(before);
    EXPECT_NEAR(step.length(), 6 * pi / 10 * 0.01, 1e-4);
    EXPECT_GT(step.normalize().dot(enemy.forwardAxis()), 0.9999);
}

TEST_F(Aircraft, SpreadAndReloadTightenWithTheScore) {
    FokkerEnemy enemy(orbit, false);
    struct Case {
        std::uint32_t score;
        double spread;
    };
    for (const Case& c : {Case{0, 1}, Case{50, 0.5}, Case{100, 0}, Case{250, 0}}) {
        combat.score = c.score;
        EXPECT_DOUBLE_EQ(enemy.spread(), c.spread) << c.score;
        for (int i = 0; i < 50; ++i) {
            const double reload = enemy.reloadTime();
            EXPECT_GE(reload, 1.0 / 3 - 1e-12);
            EXPECT_LE(reload, (1 + c.spread) / 3 + 1e-12);
        }
    }
    combat.score = 100;
    EXPECT_DOUBLE_EQ(enemy.reloadTime(), 1.0 / 3);
}

TEST_F(Aircraft, FiresAtAPlayerAheadAndHighUpOnceTheScoreIsAboveFive) {
    struct Case {
        const char* what;
        std::uint32_t score;
        double ahead;
        double height;
        bool alive;
        bool fires;
    };
    const Case cases[] = {
        {"score 5", 5, 4, 2, true, false},
        {"score 6", 6, 4, 2, true, true},
        {"behind", 6, -4, 2, true, false},
        {"on the ground", 6, 4, 0.5, true, false},
        {"at 3.5 half heights", 6, 4, 1.75, true, false},
        {"dead", 6, 4, 2, false, false},
    };
    for (const Case& c : cases) {
        combat.score = 0;
        player.setPosition(0, 0.5, 0);
        FokkerEnemy enemy(orbit, false);
        takeOff(enemy);
        combat.score = c.score;
        placePlayer(enemy, c.ahead, c.height);
        player.MeshObject::setActive(c.alive);
        enemy.update(0.02);
        EXPECT_EQ(flying(enemy) > 0, c.fires) << c.what;
        player.MeshObject::setActive(true);
    }
}

TEST_F(Aircraft, AimsAlongTheLevelDirectionToThePlayerAndReloadsInAThird) {
    combat.score = 100;
    FokkerEnemy enemy(orbit, false);
    takeOff(enemy);
    // Ahead and off to the side, so that the flight path and the line to the player differ.
    Vector at = Vector(enemy.forwardAxis()).scale(4).add(enemy.position());
    at.add(Vector(enemy.forwardAxis()).rotateY(pi / 2).scale(2));
    player.setPosition(at.x, 2, at.z);
    enemy.update(0.02);
    ASSERT_EQ(flying(enemy), 1);
    EXPECT_TRUE(enemy.seesPlayer);
    const Vector toPlayer = Vector(at.x - enemy.position().x, 0, at.z - enemy.position().z).normalize();
    EXPECT_NEAR(enemy.toPlayer.distance(toPlayer), 0, 1e-12);
    const auto& shot = enemy.fires[0];
    const Vector v = shot.velocity();
    EXPECT_NEAR(Vector(v.x, 0, v.z).normalize().distance(toPlayer), 0, 1e-12);
    EXPECT_NEAR(shot.forwardAxis().distance(toPlayer), 0, 1e-12);
    EXPECT_GT(enemy.forwardAxis().distance(toPlayer), 0.3);
    // Set as it fired, then counted down by the same update.
    EXPECT_DOUBLE_EQ(enemy.cooldown, 1.0 / 3 - 0.02);
    EXPECT_EQ(cueLog(), std::vector<std::string>{"fire"});
}

TEST_F(Aircraft, APlayerStraightBelowKeepsTheLastDirection) {
    FokkerEnemy enemy(orbit, false);
    EXPECT_EQ(enemy.toPlayer, Origin);  // not seen yet
    takeOff(enemy);
    placePlayer(enemy, 3, 0.5);
    enemy.update(0.02);
    const Vector seen = enemy.toPlayer;
    EXPECT_NEAR(seen.length(), 1, 1e-12);
    player.setPosition(enemy.position().x, 0.5, enemy.position().z);
    enemy.update(0.02);
    EXPECT_TRUE(enemy.seesPlayer);
    EXPECT_EQ(enemy.toPlayer, seen);
}

TEST_F(Aircraft, AHitScoresThreeOnceBangsAndThrowsItForward) {
    FokkerEnemy enemy(orbit, false);
    takeOff(enemy);
    FirstPerson::HeroFire first;
    FirstPerson::HeroFire second;
    shoot(enemy, first);
    EXPECT_FALSE(first.isActive());
    EXPECT_EQ(combat.score, 3u);
    EXPECT_EQ(enemy.state, FokkerEnemy::Dying);
    EXPECT_EQ(cueLog(), (std::vector<std::string>{"fire", "bang"}));
    const double speed = enemy.velocity().length();
    EXPECT_GE(speed, 2 * enemy.radius() - 1e-12);
    EXPECT_LE(speed, 3 * enemy.radius() + 1e-12);
    EXPECT_NEAR(enemy.velocity().normalize().distance(enemy.forwardAxis()), 0, 1e-12);

    shoot(enemy, second);
    EXPECT_TRUE(second.isActive());  // a dying aircraft is passive
    EXPECT_EQ(combat.score, 3u);
    EXPECT_EQ(combat.scorings, 1);
}

TEST_F(Aircraft, AWreckFallsNosingOverAndRollingAndEndsOnTheGroundThenComesBack) {
    FokkerEnemy enemy(orbit, false);
    takeOff(enemy);
    FirstPerson::HeroFire shot;
    shoot(enemy, shot);
    cueLog().clear();
    double lowest = enemy.position().y;
    int updates = 0;
    while (enemy.isActive() && updates < 200) {
        const double height = enemy.position().y;
        enemy.update(0.02);
        ++updates;
        if (enemy.isActive()) {
            lowest = std::min(lowest, enemy.position().y);
            ASSERT_TRUE(finite(enemy.modelTransform()));
        }
        if (updates == 10) {
            // Nosing down with the fall, rolling with the timer.
            const Matrix expected = Matrix()
                                        .rotationX((1 - height / 4) * pi / 2)
                                        .multiply(Matrix().rotationZ(enemy.timer * 3 * pi));
            for (int i = 0; i < 16; ++i) {
                EXPECT_NEAR(enemy.modelTransform().m[i], expected.m[i], 1e-12);
            }
            EXPECT_LT(enemy.velocity().y, 0);
        }
    }
    ASSERT_FALSE(enemy.isActive());
    EXPECT_LT(lowest, 1);
    EXPECT_NEAR(enemy.position().y, enemy.halfHeight(), 1e-9);
    EXPECT_EQ(enemy.state, FokkerEnemy::Spawned);
    const double delay = enemy.timer;
    EXPECT_GE(delay, 3);
    EXPECT_LE(delay, 7);

    double waited = 0;
    while (!enemy.isActive() && waited < 8) {
        enemy.update(0.1);
        waited += 0.1;
    }
    ASSERT_TRUE(enemy.isActive());
    EXPECT_NEAR(waited, delay, 0.1 + 1e-9);
    EXPECT_EQ(cueLog(), std::vector<std::string>{"life"});
    EXPECT_NEAR(std::hypot(enemy.position().x, enemy.position().z), 6, 1e-9);
    EXPECT_NEAR(enemy.position().y, 4, 1e-9);
    EXPECT_EQ(enemy.modelTransform().m[5], 1);
}

TEST_F(Aircraft, AWreckEndsOnAFixedObjectAndStillKillsThePlayer) {
    FokkerEnemy enemy(orbit, false);
    takeOff(enemy);
    FirstPerson::HeroFire shot;
    shoot(enemy, shot);
    player.setPosition(enemy.position());
    enemy.update(0.02);
    EXPECT_FALSE(player.isActive());
    EXPECT_TRUE(enemy.isActive());

    Dummy rock(1, 1, 1);
    rock.fixed = true;
    rock.setPosition(enemy.position());
    enemy.update(0.02);
    EXPECT_FALSE(enemy.isActive());
}

TEST_F(Aircraft, AWreckLandingOnAnyObjectEnds) {
    FokkerEnemy enemy(orbit, false);
    takeOff(enemy);
    FirstPerson::HeroFire shot;
    shoot(enemy, shot);
    Dummy roof(4, 1, 4);
    const double gap = enemy.halfHeight() + roof.halfHeight() + 0.001;
    roof.setPosition(Vector(enemy.position()).subtract(Vector(0, gap, 0)));
    enemy.update(0.02);
    EXPECT_FALSE(enemy.isActive());
}

TEST_F(Aircraft, WithEveryPointOfItsCircleTakenItStaysAwayAndRetriesEachFrame) {
    Dummy cloud(20, 10, 20);
    cloud.fixed = true;
    cloud.setPosition(0, 4, 0);
    FokkerEnemy enemy(orbit, false);
    double phase = enemy.phase;
    for (int i = 0; i < 5; ++i) {
        enemy.update(0.02);
        EXPECT_FALSE(enemy.isActive());
        EXPECT_NE(enemy.phase, phase);  // drawn again
        phase = enemy.phase;
    }
    cloud.setActive(false);
    enemy.update(0.02);
    EXPECT_TRUE(enemy.isActive());
}

TEST(AircraftAlone, WithoutACombatSceneItFliesAndDiesWithoutScoring) {
    FakeStage stage;
    std::srand(3);
    FokkerEnemy enemy(orbit, false);
    takeOff(enemy);
    EXPECT_FALSE(enemy.seesPlayer);
    EXPECT_EQ(flying(enemy), 0);
    FirstPerson::HeroFire shot;
    shoot(enemy, shot);
    EXPECT_EQ(enemy.state, FokkerEnemy::Dying);
    EXPECT_EQ(FirstPerson::score(), 0u);
}

TEST_F(Aircraft, ACircleOnTheGroundStillFallsWithoutNaN) {
    FokkerEnemy enemy(Vector(6, 0, 0), false);
    takeOff(enemy);
    FirstPerson::HeroFire shot;
    shoot(enemy, shot);
    for (int i = 0; i < 5 && enemy.isActive(); ++i) {
        enemy.update(0.02);
        EXPECT_TRUE(finite(enemy.modelTransform()));
        EXPECT_TRUE(finite(enemy.position()));
    }
}

TEST_F(Aircraft, ACircleOfNoRadiusKeepsAHeading) {
    FokkerEnemy enemy(Vector(0, 4, 0), false);
    takeOff(enemy);
    enemy.update(0.02);
    EXPECT_NEAR(enemy.forwardAxis().length(), 1, 1e-12);
    EXPECT_TRUE(finite(enemy.forwardAxis()));
}

}  // namespace
