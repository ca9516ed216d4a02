#include "models/car.h"

#include <GL/gl.h>

#include <cmath>
#include <numbers>

#include "geometry/color.h"
#include "geometry/matrix.h"
#include "scene/stage.h"

namespace {

// The hub centres of a wheel: the two disc centres on its axle.
bool isHub(const Vertex& v) {
    return std::abs(v.z) < 0.25 && std::abs(v.y) < 0.25;
}

void drawUnder(const Matrix& transform, auto&& draw) {
    glPushMatrix();
    glMultMatrixd(transform.m);
    draw();
    glPopMatrix();
}

}  // namespace

Car::Wheel::Wheel() : CylinderMesh(8, 1, true, true) {
    rotateZ(std::numbers::pi / 2);
    center();
    paint(Color(White).divide(7));
    const Color hub = Color(White).divide(2);
    for (const auto& vertex : vertices()) {
        if (isHub(*vertex)) {
            vertex->x *= 0.8;
            static_cast<Color&>(*vertex) = hub;
        }
    }
}

Car::Wheels::Wheels(double radius, double track, double widthRatio) {
    scale(radius * widthRatio, radius, radius);
    translate(track * 0.5, 0, 0);
    auto mirror = copy();
    mirror->rotateY(std::numbers::pi);
    merge(*mirror);
}

const Car::Wheels& Car::Wheels::drawAt(double z, double angle) const {
    Matrix transform;
    transform.translation(0, 0, z).multiply(Matrix().rotationX(angle));
    drawUnder(transform, [this] { draw(); });
    return *this;
}

double Car::halfHeight() const {
    if (halfHeightCache() != 0) {
        return halfHeightCache();
    }
    return halfHeightCache() = wheelRadius() - axleHeight();
}

void Car::drawMesh() {
    const double t = stage().stageTime();
    const double bounce = halfHeight() * (std::sin(2 * std::numbers::pi * t) + 1) * 0.03125;
    drawUnder(Matrix().translation(0, bounce, 0), [this] { drawBody(); });
    drawUnder(Matrix().translation(0, axleHeight(), 0), [this] { drawWheels(); });
}

void Car::drawBody() {
    MeshObject::drawMesh();
}
