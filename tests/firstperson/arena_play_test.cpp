#include "firstperson/arena.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "allocation_counter.h"
#include "firstperson/combat_scene.h"
#include "firstperson/combat_support.h"
#include "firstperson/fokker_enemy.h"
#include "firstperson/hero.h"
#include "models/raf.h"
#include "scene/registry.h"

// Ten minutes of the arena played by a script, in this process, frame by frame with a fixed frame time: the
// script turns toward an aircraft, jumps and fires, climbs a van once the aircraft start shooting, and
// presses fire to come back when it has been killed. What happens is recorded once and judged by the tests.
// Every frame is stepped, one a second of play is drawn too: drawing changes nothing of the play, and
// drawing them all would cost minutes in a sanitizer build.

namespace {

using FirstPerson::Arena;
using FirstPerson::Hero;

constexpr double FrameTime = 0.02;
constexpr int Minutes = 10;
constexpr int Frames = static_cast<int>(Minutes * 60 / FrameTime);
constexpr int FramesPerDrawing = static_cast<int>(1 / FrameTime);

// The angle from a heading to a direction, both level; positive turns toward +Z from +X, as the right arrow.
double angleTo(const Vector& heading, Vector direction) {
    direction.y = 0;
    return std::atan2(heading.x * direction.z - heading.z * direction.x,
                      heading.x * direction.x + heading.z * direction.z);
}

// A player at the keys: it only presses and releases controls, as a person would.
class ScriptedPlayer {
  public:
    explicit ScriptedPlayer(Arena& arena) : arena_(arena), lastSeen_(arena.aircraft().size()) {}

    void act() {
        const Hero& hero = *arena_.hero;
        if (!hero.isActive()) {
            for (int control : {Forward, Jump, TurnLeft, TurnRight}) {
                hold(control, false);
            }
            // Pressing fire brings the player back once the wait is over.
            hold(Shoot, !held_[Shoot]);
            remember();
            return;
        }
        const bool onRoof = !hero.isAirborne() && hero.position().y > 1;
        // Above 5 points the aircraft shoot at a player high up: the script climbs the nearest van to be
        // seen.
        if (arena_.score > 5 && !onRoof) {
            climb();
        } else {
            hold(Forward, false);
            hunt(onRoof);
        }
        remember();
    }

  private:
    void hold(int control, bool down) {
        if (held_[static_cast<std::size_t>(control)] != down) {
            held_[static_cast<std::size_t>(control)] = down;
            arena_.input(control, down);
        }
    }

    void turnToward(double angle, double within) {
        hold(TurnRight, angle > within);
        hold(TurnLeft, angle < -within);
    }

    // Walks to the van and jumps onto its roof.
    void climb() {
        const Hero& hero = *arena_.hero;
        hold(Shoot, false);
        if (hero.isAirborne()) {
            return;
        }
        const RAF& van = *arena_.vans().front();
        Vector toVan = Vector(van.position()).subtract(hero.position());
        toVan.y = 0;
        const double angle = angleTo(hero.forwardAxis(), toVan);
        turnToward(angle, 0.05);
        hold(Forward, std::abs(angle) < 0.3);
        hold(Jump, std::abs(angle) < 0.3 && toVan.length() < 2.5);
    }

    // Turns toward the nearest aircraft in reach, leads it, jumps to its height and fires.
    void hunt(bool onRoof) {
        const Hero& hero = *arena_.hero;
        const FokkerEnemy* target = nullptr;
        std::size_t targetIndex = 0;
        double nearest = 0;
        const double reach = onRoof ? 3.0 : 2.1;
        for (std::size_t i = 0; i < arena_.aircraft().size(); ++i) {
            const FokkerEnemy& plane = *arena_.aircraft()[i];
            if (!plane.isActive() || plane.state == FokkerEnemy::Dying || plane.position().y > reach ||
                !lastSeen_[i]) {
                continue;
            }
            const double d = hero.distance(plane.position());
            if (target == nullptr || d < nearest) {
                target = &plane;
                targetIndex = i;
                nearest = d;
            }
        }
        if (target == nullptr) {
            turnToward(0, 1);
            hold(Jump, onRoof && arena_.score > 5);
            hold(Shoot, false);
            return;
        }
        // Where the aircraft will be when the shot gets there.
        const Vector velocity =
            Vector(target->position()).subtract(*lastSeen_[targetIndex]).divide(FrameTime);
        const double flight = nearest / 12.9;
        const Vector aim = Vector(target->position()).add(Vector(velocity).scale(flight));
        const double angle = angleTo(hero.forwardAxis(), Vector(aim).subtract(hero.position()));
        turnToward(angle, 0.04);
        // The shot climbs a little, then falls.
        const double shotHeight = hero.position().y + 1.6 * flight - 4.9 * flight * flight;
        const bool tooLow = target->position().y - hero.position().y > 0.4;
        hold(Jump, (tooLow && std::abs(angle) < 0.5) || (onRoof && arena_.score > 5));
        const bool lined = std::abs(angle) < 0.08 && std::abs(shotHeight - aim.y) < 0.45;
        hold(Shoot, lined && !held_[Shoot]);
    }

    void remember() {
        for (std::size_t i = 0; i < lastSeen_.size(); ++i) {
            const FokkerEnemy& plane = *arena_.aircraft()[i];
            lastSeen_[i] = plane.isActive() && plane.state != FokkerEnemy::Dying
                               ? std::optional(plane.position())
                               : std::nullopt;
        }
    }

    Arena& arena_;
    std::array<bool, 8> held_{};
    std::vector<std::optional<Vector>> lastSeen_;
};

int enemyShotsInFlight(const Arena& arena) {
    int flying = 0;
    for (const FokkerEnemy* plane : arena.aircraft()) {
        for (const auto& shot : plane->fires) {
            flying += shot.isActive() ? 1 : 0;
        }
    }
    return flying;
}

int count(const std::vector<std::string>& cues, std::size_t from, const char* name) {
    return static_cast<int>(std::count(cues.begin() + static_cast<std::ptrdiff_t>(from), cues.end(), name));
}

// What ten minutes of play showed.
struct Play {
    int kills = 0;
    int bangs = 0;
    int lives = 0;
    int mostAppearances = 0;
    // Enemy shots launched while the score was above 5 and the player high.
    int shotsAtThePlayer = 0;
    // Launched otherwise: there must be none.
    int shotsAtNobody = 0;
    int deaths = 0;
    // Deaths that cost a point (or found the score at 0) and sounded the alarm in the same frame.
    int dueDeaths = 0;
    int respawns = 0;
    int respawnsAtTheRespawnPoint = 0;
    std::uint32_t bestScore = 0;

    std::size_t objects = 0;
    int framesWithAnotherRegistry = 0;
    int framesWithAStrayObject = 0;
    // Frames (after the first) that allocated without a new status text to show, and how often.
    int allocatingFrames = 0;
    long strayAllocations = 0;
    int firstAllocatingFrame = -1;
    int statusChanges = 0;
};

bool inside(const Object& object, double edge) {
    const Vector& p = object.position();
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z) &&
           std::hypot(p.x, p.z) <= edge + 1e-9;
}

Play play() {
    cueLog().clear();
    // Room for every cue of the play, so that recording them allocates nothing during the frames.
    cueLog().reserve(100000);
    Play seen;
    SteppedClock clock;
    Arena arena(clock.seam());
    // After the scene, which seeds the generator from the clock.
    std::srand(2024);
    ScriptedPlayer player(arena);
    const std::vector<Object*> objects = registry;
    seen.objects = objects.size();
    std::string statusBefore;
    statusBefore.reserve(256);
    // The overlay lays out a new status when it is next drawn.
    std::string statusDrawn;
    statusDrawn.reserve(256);

    for (int frame = 0; frame < Frames; ++frame) {
        player.act();
        const Hero& hero = *arena.hero;
        const std::uint32_t scoreBefore = arena.score;
        const bool aliveBefore = hero.isActive();
        const bool highBefore = hero.position().y > 3.5 * hero.halfHeight();
        const int shotsBefore = enemyShotsInFlight(arena);
        const std::size_t cuesBefore = cueLog().size();
        statusBefore = arena.status();

        clock.advance(std::chrono::milliseconds(20));
        const long allocationsBefore = allocations;
        counting = true;
        const bool drawn = frame % FramesPerDrawing == 0;
        if (drawn) {
            arena.frame();
        } else {
            arena.step();
        }
        counting = false;
        const long allocated = allocations - allocationsBefore;

        const bool statusChanged = arena.status() != statusBefore;
        seen.statusChanges += statusChanged ? 1 : 0;
        const bool statusLaidOut = drawn && arena.status() != statusDrawn;
        if (drawn) {
            statusDrawn = arena.status();
        }
        if (frame > 0 && allocated > 0 && !statusChanged && !statusLaidOut) {
            ++seen.allocatingFrames;
            seen.strayAllocations += allocated;
            if (seen.firstAllocatingFrame < 0) {
                seen.firstAllocatingFrame = frame;
            }
        }
        seen.framesWithAnotherRegistry += registry == objects ? 0 : 1;
        seen.framesWithAStrayObject += std::all_of(registry.begin(), registry.end(),
                                                   [](const Object* o) { return inside(*o, Arena::Size); })
                                           ? 0
                                           : 1;

        const int bangs = count(cueLog(), cuesBefore, "bang");
        seen.bangs += bangs;
        seen.lives += count(cueLog(), cuesBefore, "life");
        // A kill is worth 3; a death in the same frame costs 1.
        const std::int64_t gained = static_cast<std::int64_t>(arena.score) - scoreBefore;
        if (gained >= 2) {
            seen.kills += static_cast<int>((gained + 1) / 3);
        }
        if (enemyShotsInFlight(arena) > shotsBefore) {
            (scoreBefore > 5 && highBefore ? seen.shotsAtThePlayer : seen.shotsAtNobody) += 1;
        }
        if (aliveBefore && !hero.isActive()) {
            ++seen.deaths;
            const bool paid = gained == -1 || (scoreBefore == 0 && gained == 0) || gained == 3 * bangs - 1;
            seen.dueDeaths += paid && count(cueLog(), cuesBefore, "alarm") == 1 ? 1 : 0;
        }
        if (!aliveBefore && hero.isActive()) {
            ++seen.respawns;
            const Vector& p = hero.position();
            seen.respawnsAtTheRespawnPoint += std::abs(p.x + 2) < 0.2 && std::abs(p.z) < 0.2 ? 1 : 0;
        }
        seen.bestScore = std::max(seen.bestScore, arena.score);
    }
    for (const FokkerEnemy* plane : arena.aircraft()) {
        seen.mostAppearances = std::max(seen.mostAppearances, static_cast<int>(plane->appearances));
    }
    return seen;
}

// One play, judged as a whole: each test case of its own would play the ten minutes again.
TEST(ArenaPlay, TenMinutesOfScriptedPlayHaveEveryRuleHappenAndLeaveTheSceneAsItWas) {
    const Play seen = play();
    std::printf(
        "%d kills, %d lives, %d shots at the player, %d deaths, %d respawns, best score %u, "
        "%d status changes\n",
        seen.kills, seen.lives, seen.shotsAtThePlayer, seen.deaths, seen.respawns, seen.bestScore,
        seen.statusChanges);

    // Aircraft are shot down for 3 points each, and come back playing "life".
    EXPECT_GE(seen.kills, 5);
    EXPECT_EQ(seen.bangs, seen.kills);
    EXPECT_GT(seen.bestScore, 5u);
    EXPECT_GE(seen.lives, 3);
    EXPECT_GE(seen.mostAppearances, 2);

    // They shoot only at a player high up, and only once the score has passed 5.
    EXPECT_GE(seen.shotsAtThePlayer, 3);
    EXPECT_EQ(seen.shotsAtNobody, 0);

    // The player dies for a point with the alarm, and comes back at the respawn point by pressing fire.
    EXPECT_GE(seen.deaths, 1);
    EXPECT_EQ(seen.dueDeaths, seen.deaths);
    EXPECT_GE(seen.respawns, 1);
    EXPECT_GE(seen.respawns, seen.deaths - 1);
    EXPECT_EQ(seen.respawnsAtTheRespawnPoint, seen.respawns);

    // Nothing is created or destroyed during play, and everything stays finite and inside the world's edge.
    EXPECT_GT(seen.objects, 50u);
    EXPECT_EQ(seen.framesWithAnotherRegistry, 0);
    EXPECT_EQ(seen.framesWithAStrayObject, 0);

    // A frame allocates only when there is a new status text to show.
    EXPECT_GT(seen.statusChanges, 0);
    EXPECT_EQ(seen.allocatingFrames, 0)
        << seen.strayAllocations << " allocations, the first in frame " << seen.firstAllocatingFrame;
}

}  // namespace
