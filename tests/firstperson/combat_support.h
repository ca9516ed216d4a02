#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "firstperson/combat.h"
#include "geometry/mesh.h"
#include "geometry/vertex.h"
#include "scene/mesh_object.h"
#include "scene/stage.h"

// The sound cues played, by name, in order. The cue functions of this test program record into it instead
// of playing (cue_log_test.cpp replaces them at link time).
std::vector<std::string>& cueLog();

// A live scene of size 13 whose clock the test sets.
class FakeStage final : public Stage {
  public:
    FakeStage() { bindStage(this); }
    ~FakeStage() { bindStage(nullptr); }
    FakeStage(const FakeStage&) = delete;
    FakeStage& operator=(const FakeStage&) = delete;
    double stageSize() const override { return 13; }
    double stageTime() const override { return time; }

    double time = 0;
};

// A bound combat scene with a player and a score the test sets; scoring never goes below 0.
class FakeCombat final : public FirstPerson::Combat {
  public:
    FakeCombat() { FirstPerson::bindCombat(this); }
    ~FakeCombat() { FirstPerson::bindCombat(nullptr); }
    Object* player() const override { return hero; }
    std::uint32_t currentScore() const override { return score; }
    std::uint32_t addScore(std::int32_t delta) override {
        ++scorings;
        if (delta < 0 && score < static_cast<std::uint32_t>(-delta)) {
            return score;
        }
        return score += static_cast<std::uint32_t>(delta);
    }

    Object* hero = nullptr;
    std::uint32_t score = 0;
    int scorings = 0;
};

// A box centred on its position, by default about the player's size (0.28 wide and deep, 1 high), built
// switched on; records how it is switched afterwards.
class Dummy : public MeshObject {
  public:
    explicit Dummy(double w = 0.28, double h = 1, double d = 0.28) {
        mesh_.addVertex(std::make_unique<Vertex>(-w / 2, -h / 2, -d / 2, 1, 1, 1));
        mesh_.addVertex(std::make_unique<Vertex>(w / 2, h / 2, d / 2, 1, 1, 1));
        MeshObject::setActive(true);
    }
    const Mesh& mesh() const override { return mesh_; }
    bool isFixed() const override { return fixed; }
    void setActive(bool on) override {
        switches.push_back(on);
        if (onSwitch) {
            onSwitch(on);
        }
        MeshObject::setActive(on);
    }

    bool fixed = false;
    std::vector<bool> switches;
    // Runs after the switch is recorded, before it takes effect.
    std::function<void(bool)> onSwitch;

  private:
    Mesh mesh_;
};
