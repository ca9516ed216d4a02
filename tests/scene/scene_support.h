#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "geometry/mesh.h"
#include "geometry/vertex.h"
#include "scene/mesh_object.h"
#include "scene/stage.h"

// A live scene of a chosen size for the duration of a test.
class TestStage final : public Stage {
  public:
    explicit TestStage(double size = 13) : size_(size) { bindStage(this); }
    ~TestStage() { bindStage(nullptr); }
    double stageSize() const override { return size_; }
    double stageTime() const override { return 0; }

  private:
    double size_;
};

// Who was told of a contact with whom, in call order (null stands for the ground or the edge).
using HitLog = std::vector<std::pair<Object*, Object*>>;

// A box-shaped object centred on its position, w wide, h high and d deep; records its hits.
class TestBox : public MeshObject {
  public:
    TestBox(double w, double h, double d, HitLog* log = nullptr) : log_(log) { addCorners(w, h, d); }

    Object& hit(Object* other) override {
        hits.push_back(other);
        if (log_ != nullptr) {
            log_->emplace_back(this, other);
        }
        if (onHit) {
            onHit(other);
        }
        return MeshObject::hit(other);
    }
    bool isFixed() const override { return fixed; }
    bool isPassive() const override { return passive; }
    const Mesh& mesh() const override { return mesh_; }

    // Grows the mesh after the fact, to show that the sizes are cached.
    void addCorners(double w, double h, double d) {
        mesh_.addVertex(std::make_unique<Vertex>(-w / 2, -h / 2, -d / 2, 1, 1, 1));
        mesh_.addVertex(std::make_unique<Vertex>(w / 2, h / 2, d / 2, 1, 1, 1));
    }

    std::vector<Object*> hits;
    bool fixed = false;
    bool passive = false;
    // Runs after the hit is logged.
    std::function<void(Object*)> onHit;

  private:
    HitLog* log_;
    Mesh mesh_;
};
