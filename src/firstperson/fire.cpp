#include "firstperson/fire.h"

#include <numbers>

#include "app/sound.h"
#include "firstperson/combat.h"
#include "geometry/matrix.h"

Fire::ConeMesh::ConeMesh(const Color& color) : ::ConeMesh(4, 1.0, true) {
    // The base's centre pushed up to half the height makes the cone a dart.
    moveNearestVertex(Origin, Vector(0, 0.5, 0));
    paint(color).shade(Color(color).divide(4));
    rotateX(std::numbers::pi / 2).center().snap(2).scale(0.25);
}

Fire::LineMesh::LineMesh(const Color& color) : ::LineMesh(0, 0, 0, 1, 0, 0) {
    paint(color).paintNearestVertex(Origin, Black);
    rotateY(std::numbers::pi / 2).center().snap(1).scale(0.125);
}

const Fire::ConeMesh& Fire::dart() {
    static const ConeMesh mesh(Magenta);
    return mesh;
}

const Fire::LineMesh& Fire::streak() {
    static const LineMesh mesh(Magenta);
    return mesh;
}

Object& Fire::hit(Object* other) {
    setActive(false);
    return MeshObject::hit(other);
}

Object& Fire::update(double dt) {
    spin -= 3 * std::numbers::pi * dt;
    modelTransform().rotationZ(spin);
    return MeshObject::update(dt);
}

void Fire::setActive(bool on) {
    if (on) {
        ::fire();
    }
    spin = 0;
    MeshObject::setActive(on);
}

namespace FirstPerson {

Object& EnemyFire::hit(Object* other) {
    if (other != nullptr && other == player()) {
        other->setActive(false);
    }
    return Fire::hit(other);
}

const Fire::ConeMesh& HeroFire::dart() {
    static const Fire::ConeMesh mesh(Cyan);
    return mesh;
}

}  // namespace FirstPerson
