#include "firstperson/arena.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

#include "firstperson/combat.h"
#include "firstperson/combat_scene.h"
#include "firstperson/fokker_enemy.h"
#include "firstperson/ground.h"
#include "firstperson/hero.h"
#include "models/raf.h"
#include "scene/registry.h"

// How the arena is laid out: what makes every rule of the game reachable for a player.

namespace {

using FirstPerson::Arena;

double flat(const Vector& p) {
    return std::hypot(p.x, p.z);
}

TEST(ArenaLayout, ThePlayerIsRegisteredHandedToTheSceneAndStartsAtTheRespawnPoint) {
    Arena arena;
    ASSERT_NE(arena.hero, nullptr);
    EXPECT_EQ(FirstPerson::player(), arena.hero);
    EXPECT_NE(std::find(registry.begin(), registry.end(), arena.hero), registry.end());
    EXPECT_EQ(arena.hero->position(), arena.hero->respawnPoint());
    EXPECT_EQ(arena.size, 13);
    EXPECT_TRUE(arena.ground()->isFixed());
    EXPECT_TRUE(arena.ground()->isPassive());
}

TEST(ArenaLayout, AircraftFlyTwoCirclesOrMoreBothWaysClearOfTheRespawnPointAndOfTheVans) {
    Arena arena;
    ASSERT_GE(arena.aircraft().size(), 4u);
    std::set<std::pair<double, double>> circles;
    std::set<bool> senses;
    const double hero = arena.hero->radius();
    const Vector respawn = arena.hero->respawnPoint();
    for (const FokkerEnemy* plane : arena.aircraft()) {
        circles.emplace(plane->orbit.x, plane->orbit.y);
        senses.insert(plane->reversed);
        const double reach = plane->radius() + hero;
        EXPECT_GT(std::abs(plane->orbit.x - flat(respawn)), reach) << "circle of radius " << plane->orbit.x;
        // Inside the world's edge, and within a shot's reach of a jump from a roof.
        EXPECT_LT(plane->orbit.x + plane->radius(), arena.size);
        EXPECT_LT(plane->orbit.y, 3);
        // A wreck is thrown forward along its circle at up to 3 radii a second and lands farther out: no van
        // may be in its way, or the wreck would come to rest on its roof.
        const double fall = std::sqrt(2 * plane->orbit.y / 9.8);
        const double farthest = std::hypot(plane->orbit.x, 3 * plane->radius() * fall);
        for (const RAF* van : arena.vans()) {
            const double d = flat(van->position());
            const double clear = van->radius() + plane->radius();
            EXPECT_TRUE(d + clear < plane->orbit.x || d - clear > farthest)
                << "van at " << van->position() << " under the circle of radius " << plane->orbit.x;
        }
    }
    EXPECT_GE(circles.size(), 2u);
    EXPECT_EQ(senses.size(), 2u);
}

TEST(ArenaLayout, SomeVansCanBeJumpedOntoAndFromTheirRoofsThePlayerIsSeen) {
    Arena arena;
    const double h = arena.hero->halfHeight();
    const double speed = arena.hero->walkingSpeed();
    // The top of a jump from where one stands, under gravity.
    const double jump = std::pow(speed * 4 / 3, 2) / (2 * 9.8);
    int platforms = 0;
    for (const RAF* van : arena.vans()) {
        const double roof = van->position().y + van->halfHeight() + h;
        platforms += h + jump > roof + 0.1 && roof + jump > 3.5 * h ? 1 : 0;
    }
    EXPECT_GE(platforms, 2);
    EXPECT_LT(h + jump, 3.5 * h) << "from the ground alone the player is never seen";
}

TEST(ArenaLayout, AFailedStartLeavesNothingRegistered) {
    const std::vector<Object*> before = registry;
    {
        PlayerScene live;
        // A second scene while one lives fails before building anything.
        EXPECT_THROW(Arena(), std::runtime_error);
        EXPECT_EQ(registry.size(), before.size() + 1 + 7);
    }
    EXPECT_EQ(registry, before);
}

}  // namespace
