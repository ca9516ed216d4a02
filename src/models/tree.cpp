#include "models/tree.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "scene/projectile.h"

namespace {

constexpr double swaySeconds = 1.0;
constexpr double swayHertz = 3;

}  // namespace

Object& Tree::hit(Object* other) {
    if (other != nullptr && !usesTransform() && dynamic_cast<const Projectile*>(other) != nullptr) {
        shake = swaySeconds;
    }
    return MeshObject::hit(other);
}

Object& Tree::update(double dt) {
    if (isActive() && shake > 0) {
        shake = std::max(shake - dt, 0.0);
        // Oscillates three times a second with an amplitude that falls linearly to nothing.
        const double s = std::sin(shake * 2 * std::numbers::pi * swayHertz) * shake / 7;
        const double h = halfHeight();
        // Turns the mesh, centred on the position, about its base point (0, -h, 0).
        modelTransform()
            .translation(0, -h, 0)
            .multiply(Matrix().rotationY(s * std::numbers::pi))
            .multiply(Matrix().rotationX(s * std::numbers::pi / 4))
            .multiply(Matrix().translation(0, h, 0));
    }
    return MeshObject::update(dt);
}

void Tree::setActive(bool on) {
    if (on) {
        shake = 0;
    }
    MeshObject::setActive(on);
}

bool Tree::usesTransform() const {
    return shake > 0 || MeshObject::usesTransform();
}
