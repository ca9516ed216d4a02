// The enemy side of the combat scene: building the triplane's mesh, and the frame update of enemy aircraft
// with all their shots in flight. No window: a small stand-in scene gives the size, the clock, the player
// and the score.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "firstperson/combat.h"
#include "firstperson/fokker_enemy.h"
#include "geometry/mesh.h"
#include "geometry/vertex.h"
#include "models/fokker.h"
#include "scene/stage.h"

// Every allocation of this program is counted, so that a frame can be seen to make none.
namespace {
std::size_t allocations = 0;
}

[[gnu::noinline]] void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

constexpr double step = 0.02;

// The player: a box standing high enough that the aircraft would fire at it.
class Player : public MeshObject {
  public:
    Player() {
        mesh_.addVertex(std::make_unique<Vertex>(-0.2, -0.5, -0.2, 1, 1, 1));
        mesh_.addVertex(std::make_unique<Vertex>(0.2, 0.5, 0.2, 1, 1, 1));
        setPosition(0, 2, 0);
        setActive(true);
    }
    const Mesh& mesh() const override { return mesh_; }

  private:
    Mesh mesh_;
};

// A scene of size 13 with its clock, a player and a score of 50: the aircraft see the player and fire
// whenever a shot is free.
class Arena final : public Stage, public FirstPerson::Combat {
  public:
    Arena() {
        bindStage(this);
        FirstPerson::bindCombat(this);
    }
    ~Arena() {
        FirstPerson::bindCombat(nullptr);
        bindStage(nullptr);
    }
    double stageSize() const override { return 13; }
    double stageTime() const override { return time; }
    Object* player() const override { return const_cast<Player*>(&hero); }
    std::uint32_t currentScore() const override { return 50; }
    std::uint32_t addScore(std::int32_t) override { return 50; }

    double time = 0;
    Player hero;
};

// Aircraft on circles of radius 5 to 9, one unit of height apart so that they never touch, each with all 7
// shots flying level above them all; the shots are put back where they started before every frame, without a
// launch (which would play a sound), so that they stay in flight.
class Squadron {
  public:
    explicit Squadron(int count) {
        for (int i = 0; i < count; ++i) {
            aircraft_.push_back(std::make_unique<FokkerEnemy>(Vector(5 + i % 5, 3 + i, 0), i % 2 == 1));
        }
        int n = 0;
        for (auto& enemy : aircraft_) {
            for (auto& shot : enemy->fires) {
                shot.MeshObject::setActive(true);
                starts_.push_back(Vector(-10 + 0.4 * (n % 50), 11.5 + 0.5 * (n / 50), -3 + 0.1 * n));
                ++n;
            }
        }
        // Spawned and flying their circles; with every shot taken they never launch one.
        for (auto& enemy : aircraft_) {
            for (int k = 0; k < 3; ++k) {
                enemy->update(step);
            }
        }
    }

    void frame(Arena& arena) {
        std::size_t n = 0;
        for (auto& enemy : aircraft_) {
            for (auto& shot : enemy->fires) {
                shot.setPosition(starts_[n++]);
                shot.velocity().set(1, 0, 0);
            }
        }
        arena.time += step;
        for (auto& enemy : aircraft_) {
            enemy->update(step);
            for (auto& shot : enemy->fires) {
                shot.update(step);
            }
        }
    }

    int flying() const {
        int count = 0;
        for (const auto& enemy : aircraft_) {
            for (const auto& shot : enemy->fires) {
                count += shot.isActive() ? 1 : 0;
            }
        }
        return count;
    }

  private:
    std::vector<std::unique_ptr<FokkerEnemy>> aircraft_;
    std::vector<Vector> starts_;
};

void BuildFokker(benchmark::State& state) {
    for (auto _ : state) {
        Fokker fokker(1.25);
        benchmark::DoNotOptimize(fokker.body.hub);
    }
}
BENCHMARK(BuildFokker)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// One frame of `count` aircraft, each with its 7 shots, in a scene that also holds the player.
void AircraftFrame(benchmark::State& state) {
    Arena arena;
    Squadron squadron(static_cast<int>(state.range(0)));
    const std::size_t before = allocations;
    for (auto _ : state) {
        squadron.frame(arena);
    }
    state.counters["allocations"] = static_cast<double>(allocations - before);
    if (squadron.flying() != 7 * state.range(0)) {
        state.SkipWithError("a shot stopped flying");
    }
}
BENCHMARK(AircraftFrame)
    ->Arg(1)
    ->Arg(8)
    ->Unit(benchmark::kMicrosecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace
