// Whether climbing pays in the combat program's arena: rounds of 3 minutes of play, stepped frame by frame
// with a fixed frame time and not drawn, played by two scripted players. One stands where it starts and
// fires at whatever it can aim at, jumping to reach; the other climbs onto the nearest van or tank and fires
// from its roof, where the aircraft see it and shoot back. The counters give each one's average score a
// round, and its deaths; the time is what stepping a round costs. Run inside a display
// (scripts/with-display.sh): the arena has a window, which is never drawn.
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

#include "firstperson/arena.h"
#include "firstperson/combat_scene.h"
#include "firstperson/fokker_enemy.h"
#include "firstperson/hero.h"
#include "models/raf.h"
#include "models/tank.h"

namespace {

using FirstPerson::Arena;
using FirstPerson::Hero;

constexpr double FrameTime = 0.02;
constexpr double RoundSeconds = 180;
constexpr int Rounds = 16;

// The angle from a heading to a direction, both level; positive turns toward +Z from +X, as the right arrow.
double angleTo(const Vector& heading, Vector direction) {
    direction.y = 0;
    return std::atan2(heading.x * direction.z - heading.z * direction.x,
                      heading.x * direction.x + heading.z * direction.z);
}

// A player at the keys: it only presses and releases controls, as a person would.
class ScriptedPlayer {
  public:
    ScriptedPlayer(Arena& arena, bool climbs)
        : arena_(arena), climbs_(climbs), lastSeen_(arena.aircraft().size()) {}

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
        // Up from where it last stood: the roof of a vehicle, or the ground.
        if (!hero.isAirborne()) {
            onRoof_ = hero.position().y > 1;
        }
        if (climbs_ && !onRoof_) {
            climb();
        } else {
            hold(Forward, false);
            hunt();
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

    // Walks to the nearest van or tank and jumps onto its roof.
    void climb() {
        const Hero& hero = *arena_.hero;
        hold(Shoot, false);
        if (hero.isAirborne()) {
            return;
        }
        std::optional<Vector> nearest;
        auto consider = [&](const Object& vehicle) {
            if (!nearest || hero.distance(vehicle.position()) < hero.distance(*nearest)) {
                nearest = vehicle.position();
            }
        };
        for (const RAF* van : arena_.vans()) {
            consider(*van);
        }
        for (const Tank* tank : arena_.tanks()) {
            consider(*tank);
        }
        Vector toVehicle = Vector(*nearest).subtract(hero.position());
        toVehicle.y = 0;
        const double angle = angleTo(hero.forwardAxis(), toVehicle);
        turnToward(angle, 0.05);
        hold(Forward, std::abs(angle) < 0.3);
        hold(Jump, std::abs(angle) < 0.3 && toVehicle.length() < 2.5);
    }

    // Turns toward the nearest aircraft in reach, leads it, jumps to its height and fires.
    void hunt() {
        const Hero& hero = *arena_.hero;
        const FokkerEnemy* target = nullptr;
        std::size_t targetIndex = 0;
        double nearest = 0;
        const double reach = hero.position().y + 1.6;
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
            hold(Jump, false);
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
        const bool tooLow = aim.y - hero.position().y > 0.3;
        hold(Jump, tooLow && std::abs(angle) < 0.5);
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
    bool climbs_;
    bool onRoof_ = false;
    std::array<bool, 8> held_{};
    std::vector<std::optional<Vector>> lastSeen_;
};

void playRounds(benchmark::State& state, bool climbs) {
    SteppedClock clock;
    Arena arena(clock.seam());
    arena.playRounds(RoundSeconds, [](const FirstPerson::Round&) { return FirstPerson::Standing{}; });
    // After the scene, which seeds the generator from the clock: every run plays the same rounds.
    std::srand(2025);
    double points = 0;
    double deaths = 0;
    for (auto _ : state) {
        arena.restart();
        ScriptedPlayer player(arena, climbs);
        bool alive = true;
        while (!arena.rounds()->over()) {
            player.act();
            clock.advance(std::chrono::milliseconds(20));
            arena.step();
            const bool nowAlive = arena.hero->isActive();
            deaths += alive && !nowAlive && !arena.rounds()->over() ? 1 : 0;

            alive = nowAlive;
        }
        points += arena.score;
    }
    const auto rounds = static_cast<double>(state.iterations());
    state.counters["score"] = points / rounds;
    state.counters["deaths"] = deaths / rounds;
}

void StanderRound(benchmark::State& state) {
    playRounds(state, false);
}
BENCHMARK(StanderRound)
    ->Iterations(Rounds)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void ClimberRound(benchmark::State& state) {
    playRounds(state, true);
}
BENCHMARK(ClimberRound)
    ->Iterations(Rounds)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace
