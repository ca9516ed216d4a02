#include "models/tank_mesh.h"

#include <cmath>
#include <numbers>

namespace {

Color divided(const Color& color, double s) {
    return Color(color).divide(s);
}

// Multiplies every vertex that passes the test component-wise by factor.
void stretchWhere(Mesh& mesh, auto&& test, const Vector& factor) {
    for (const auto& vertex : mesh.vertices()) {
        if (test(*vertex)) {
            vertex->multiply(factor);
        }
    }
}

}  // namespace

TankMesh::TankMesh(const Color& color, double size)
    : BoxMesh(false, 3, 3, 2),
      scale(size),
      wheels(0.15 * size, 0.6 * size, 1.6666666666666667),
      head(color, size),
      gun(color, size) {
    // Open at the front and the back; the grid is then x, z in {-1.5, -0.5, 0.5, 1.5} and y in {-1, 0, 1}.
    rotateX(std::numbers::pi / 2).center().snap(10);
    for (int i = 0; i < 4; ++i) {
        const double a = i - 1.5;
        // The lower side edges come in and up to the waist, the upper front and back edges drop to it.
        moveNearestVertex(-1.5, -1, a, -0.5, 0, a);
        moveNearestVertex(1.5, -1, a, 0.5, 0, a);
        moveNearestVertex(a, 1, -1.5, a, 0, -1.5);
        moveNearestVertex(a, 1, 1.5, a, 0, 1.5);
        if (std::abs(a) < 1) {
            // The middle of the lower front and back edges rises to the waist; the roof's sides come in.
            moveNearestVertex(a, -1, 1.5, a, 0, 1.5);
            moveNearestVertex(a, -1, -1.5, a, 0, -1.5);
            moveNearestVertex(-1.5, 1, a, -1, 1, a);
            moveNearestVertex(1.5, 1, a, 1, 1, a);
        }
    }
    weld(0.25);
    // The upper front is drawn forward.
    stretchWhere(
        *this, [](const Vertex& v) { return v.z > 0 && v.y > 0.25; }, Vector(1, 1, 1.75));
    Mesh::scale(0.3, 0.15, 0.3).paint(divided(color, 2)).shade(Black).Mesh::scale(size);
}

TankMesh::Head::Head(const Color& color, double size)
    : CylinderMesh(8, 1, true, true), offset(0, 0.175 * size, 0.05 * size) {
    rotateY(std::numbers::pi / 8).scale(0.25, 0.2, 0.2);
    stretchWhere(
        *this, [](const Vertex& v) { return v.y > 0.1; }, Vector(0.75, 1, 0.75));
    paint(divided(color, 1.5)).shade(divided(color, 2)).scale(size);
}

TankMesh::Gun::Gun(const Color& color, double size)
    : CylinderMesh(12, 1, true, false), offset(0, 0.1 * size, 0.125 * size) {
    const Vector tip(0, 0, 0.25);
    rotateX(-std::numbers::pi / 2).scale(0.05, 0.05, 0.25);
    // Clears the rounding the rotation left on the disc centre.
    moveNearestVertex(tip, tip);
    paint(divided(color, 1.5)).shade(divided(color, 2));
    muzzle = &nearestVertex(tip);
    scale(size);
}

TankMesh::Gun& TankMesh::Gun::setMuzzleColor(const Color& c) {
    static_cast<Color&>(*muzzle) = c;
    return *this;
}
