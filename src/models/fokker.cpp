#include "models/fokker.h"

#include <GL/gl.h>

#include <cmath>
#include <numbers>

#include "geometry/color.h"
#include "geometry/cone_mesh.h"
#include "geometry/line_mesh.h"
#include "geometry/matrix.h"
#include "geometry/rect_mesh.h"
#include "models/car.h"
#include "scene/stage.h"

namespace {

constexpr double pi = std::numbers::pi;
// One value for every third of the model's unit length.
constexpr double third = 1.0 / 3;

Color divided(const Color& color, double s) {
    return Color(color).divide(s);
}

// Every vertex past a quarter of the length either way is pulled 0.1 towards the middle.
void shorten(::Mesh& mesh) {
    for (const auto& v : mesh.vertices()) {
        if (v->z > 0.25) {
            v->z -= 0.1;
        } else if (v->z < -0.25) {
            v->z += 0.1;
        }
    }
}

}  // namespace

Fokker::Mesh::Prop::Prop(double size) {
    paint(Cyan);
    // A thin blade from the origin out to radius 1.
    moveNearestVertex(Vector(0, 1, 0), Vector(AxisX).rotateZ(pi / 20));
    rotateX(pi / 8).scale(size * 0.25).shade(Black);
    auto opposite = copy();
    merge(opposite->rotateZ(pi));
    snap(100);
}

Fokker::Mesh::Mesh(double size) : CylinderMesh(8, 2, false, true), prop(size) {
    // The fuselage runs along -Z from its closed nose at z = 0; the far ring closes into the tail point on
    // its upper line.
    rotateX(pi / 2);
    for (const auto& v : vertices()) {
        if (v->z < -1) {
            v->x = 0;
            v->y = 1;
        }
    }
    translate(0, 0, 1).scale(0.2, 0.2, 1).scale(0.5);

    ConeMesh fin(8, 0, false);
    fin.rotateZ(-pi / 2).scale(0.1).translate(0, 0.1, 0).rotateX(-pi / 8).translate(0, 0.1, -0.5);
    merge(fin);
    paint(Magenta).shade(divided(Magenta, 10));

    merge(LineMesh(0, 0, 0.5, 0, 0, 0.54));

    TriangleMesh tailplane;
    tailplane.rotateX(-pi / 2).rotateY(-3 * pi / 4).rotateX(pi / 2).paint(Magenta).shade(Black);
    tailplane.rotateX(-pi / 2).scale(1.4142135 / 3).translate(0, 0.1, third - 0.5);
    merge(tailplane);

    shorten(*this);

    RectMesh wing;
    wing.scale(1, third, 1).paint(divided(Cyan, 2)).shade(divided(Cyan, 10));
    wing.rotateX(-pi / 2).translate(-0.5, 0.30000000000000004, 0);
    merge(wing);
    for (int lower = 0; lower < 2; ++lower) {
        merge(wing.scale(0.85, 1, 0.95).translate(0, -0.2, 0));
    }

    Car::Wheel gear;
    gear.scale(0.5, 1, 1).scale(0.1);
    gear.merge(LineMesh(0.02, 0, 0, 0.2, 0.2, 0));
    gear.translate(-0.2, -0.30000000000000004, third / 2);
    merge(gear);
    merge(gear.rotateY(pi).translate(0, 0, third));

    center().scale(size).snap(100);

    const double front = bounds().max.z;
    for (const auto& v : vertices()) {
        if (v->z == front) {
            hub = v.get();
            break;
        }
    }
}

Fokker::Fokker(double size) : body(size) {}

void Fokker::drawMesh() {
    MeshObject::drawMesh();
    if (body.hub == nullptr) {
        return;
    }
    const double angle = -10 * std::numbers::pi * stage().stageTime();
    Matrix turn;
    turn.translation(*body.hub).multiply(Matrix().rotationZ(angle));
    glMultMatrixd(turn.m);
    body.prop.draw();
}
