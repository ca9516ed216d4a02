#include "firstperson/arena.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "firstperson/combat.h"
#include "firstperson/combat_scene.h"
#include "firstperson/fire.h"
#include "firstperson/fokker_enemy.h"
#include "firstperson/ground.h"
#include "firstperson/hero.h"
#include "models/garden_tree.h"
#include "models/raf.h"
#include "models/tank.h"
#include "models/tanks_tree.h"
#include "scene/registry.h"

// How the arena is laid out: what makes every rule of the game reachable for a player.

namespace {

using FirstPerson::Arena;

double flat(const Vector& p) {
    return std::hypot(p.x, p.z);
}

// The vehicles, scenery to climb and hide behind.
std::vector<const Car*> vehicles(const Arena& arena) {
    std::vector<const Car*> all(arena.vans().begin(), arena.vans().end());
    all.insert(all.end(), arena.tanks().begin(), arena.tanks().end());
    return all;
}

// Whatever stands still in the arena and takes part in contacts: all but the player, the aircraft and the
// shots.
std::vector<Object*> scenery(const Arena& arena) {
    std::vector<Object*> found;
    for (Object* o : registry) {
        if (o->isActive() && !o->isPassive() && o != arena.hero && dynamic_cast<FokkerEnemy*>(o) == nullptr &&
            dynamic_cast<Fire*>(o) == nullptr) {
            found.push_back(o);
        }
    }
    return found;
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

TEST(ArenaLayout, AircraftFlyTwoCirclesOrMoreBothWaysClearOfTheRespawnPointAndOfTheVehicles) {
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
        // A wreck is thrown forward along its circle at up to 3 radii a second and lands farther out: no
        // vehicle is in its way, where the wreck would end on its roof.
        const double fall = std::sqrt(2 * plane->orbit.y / 9.8);
        const double farthest = std::hypot(plane->orbit.x, 3 * plane->radius() * fall);
        for (const Car* vehicle : vehicles(arena)) {
            const double d = flat(vehicle->position());
            const double clear = vehicle->radius() + plane->radius();
            EXPECT_TRUE(d + clear < plane->orbit.x || d - clear > farthest)
                << "vehicle at " << vehicle->position() << " under the circle of radius " << plane->orbit.x;
        }
    }
    EXPECT_GE(circles.size(), 2u);
    EXPECT_EQ(senses.size(), 2u);
}

TEST(ArenaLayout, SomeVansAndEveryTankCanBeJumpedOntoAndFromTheirRoofsThePlayerIsSeen) {
    Arena arena;
    const double h = arena.hero->halfHeight();
    const double speed = arena.hero->walkingSpeed();
    // The top of a jump from where one stands, under gravity.
    const double jump = std::pow(speed * 4 / 3, 2) / (2 * 9.8);
    const auto platform = [&](const Car& vehicle) {
        const double roof = vehicle.position().y + vehicle.halfHeight() + h;
        return h + jump > roof + 0.1 && roof + jump > 3.5 * h;
    };
    EXPECT_GE(std::count_if(arena.vans().begin(), arena.vans().end(),
                            [&](const RAF* van) { return platform(*van); }),
              2);
    ASSERT_GE(arena.tanks().size(), 2u);
    for (const Tank* tank : arena.tanks()) {
        EXPECT_TRUE(platform(*tank)) << "tank at " << tank->position();
    }
    EXPECT_LT(h + jump, 3.5 * h) << "from the ground alone the player is never seen";
}

TEST(ArenaLayout, CopsesOfBothKindsOfTreeLeaveEveryPointOfEveryCircleAndTheRespawnPointFree) {
    Arena arena;
    ASSERT_GE(arena.trees().size(), 6u);
    const auto count = [&](auto isKind) {
        return std::count_if(arena.trees().begin(), arena.trees().end(), isKind);
    };
    EXPECT_GE(count([](const Tree* t) { return dynamic_cast<const Garden::Tree*>(t) != nullptr; }), 3);
    EXPECT_GE(count([](const Tree* t) { return dynamic_cast<const Tanks::Tree*>(t) != nullptr; }), 3);

    // Before the first frame the aircraft are not yet out, so all an aircraft's contact search can find is
    // the scenery and the player.
    std::vector<Object*> contacts;
    for (const FokkerEnemy* plane : arena.aircraft()) {
        ASSERT_FALSE(plane->isActive());
        for (int step = 0; step < 720; ++step) {
            const Vector p = Vector(plane->orbit.x, plane->orbit.y, 0).rotateY(step * std::numbers::pi / 360);
            contacts.clear();
            EXPECT_EQ(plane->collect(contacts, p), 0u)
                << "circle of radius " << plane->orbit.x << " blocked at " << p;
        }
    }
    contacts.clear();
    EXPECT_EQ(arena.hero->collect(contacts, arena.hero->respawnPoint()), 0u);
}

TEST(ArenaLayout, EverythingStandsWhereItIsPlacedTouchingNothing) {
    Arena arena;
    const std::vector<Object*> standing = scenery(arena);
    // The table of each kind is all there is.
    EXPECT_EQ(standing.size(), arena.vans().size() + arena.tanks().size() + arena.trees().size());
    std::vector<Vector> placed;
    for (const Object* o : standing) {
        placed.push_back(o->position());
    }
    std::vector<Object*> contacts;
    for (int frame = 0; frame <= 5; ++frame) {
        ASSERT_EQ(scenery(arena), standing) << "frame " << frame;
        for (std::size_t i = 0; i < standing.size(); ++i) {
            const Object& o = *standing[i];
            // On the ground, or on its wheels, not in it nor above it, and not pushed aside.
            EXPECT_NEAR(o.position().y, o.halfHeight(), 1e-9) << o.position() << ", frame " << frame;
            EXPECT_NEAR(flat(Vector(o.position()).subtract(placed[i])), 0, 1e-9)
                << placed[i] << ", frame " << frame;
            // No other object's contact cylinder overlaps its own: scenery, the player or an aircraft.
            contacts.clear();
            EXPECT_EQ(o.collect(contacts, o.position()), 0u) << o.position() << " touched, frame " << frame;
        }
        arena.frame();
    }
}

TEST(ArenaHint, HoldsTheStatusPlaceUntilTheFirstPointAndNeverComesBack) {
    Arena arena;
    const std::string hint(arena.shownText());
    EXPECT_FALSE(hint.empty());
    arena.addScore(-1);
    EXPECT_EQ(arena.shownText(), hint) << "a death before the first point leaves it";
    arena.pause(true);
    arena.pause(false);
    EXPECT_EQ(arena.shownText(), hint) << "a pause leaves it";
    arena.addScore(3);
    arena.addScore(-3);
    arena.pause(true);
    arena.pause(false);
    EXPECT_EQ(arena.shownText(), "");
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
