#include "models/raf.h"

#include <cmath>
#include <numbers>

#include "scene/stage.h"

namespace {

Color scaled(const Color& color, double s) {
    return Color(color).scale(s);
}
Color divided(const Color& color, double s) {
    return Color(color).divide(s);
}

// Merges a copy of part, turned half a revolution about Y, into part: the mirror image across x = 0.
void addMirror(::Mesh& part) {
    auto mirror = part.copy();
    mirror->rotateY(std::numbers::pi);
    part.merge(*mirror);
}

// The waist of the body: everything above and below it is drawn in.
constexpr double waist = -(1.0 / 3) * 0.5;

// Narrows the body away from its waist, the upper front much more strongly, for the sloping windscreen.
void shape(Vertex& v) {
    if (std::abs(v.y) < 0.25) {
        v.y += waist;
    }
    const double t = std::abs(v.y - waist);
    if (std::abs(v.z) > 1) {
        const double d = (v.z > 0 && v.y > waist) ? 3 : 7;
        v.z = (1 - t / d) * v.z;
    }
    v.x = (1 - t / 7) * v.x;
}

}  // namespace

RAF::Mesh::Mesh(const Color& color, double scale)
    : BoxMesh(true, 1, 2, 3), scale(scale), wheels(0.2 * scale, 0.8 * scale, 1.0) {
    paint(scaled(color, 0.75)).shade(divided(color, 10)).translate(-0.5, -1, -1.5);

    {  // A band of windows along the sides and across both ends.
        BoxMesh part(true, 1, 1, 1);
        part.paint(Cyan).shade(divided(Cyan, 2)).translate(-0.5, 0, -0.5);
        part.scale(1, 0.7, 1).translateY(0.15);
        auto rear = part.copy();
        rear->scale(0.9, 1, 1).translate(0, 0, -1.01);
        merge(*rear);
        part.scale(1.02, 1, 1);
        auto sides = part.copy();
        sides->scale(1, 1, 1.5).translate(0, 0, -0.5);
        merge(*sides);
        part.translate(0, 0, 1.01);
        merge(part);
    }
    {  // White lamps, low on the front.
        BoxMesh part(true, 1, 1, 1);
        part.shade(divided(White, 2)).translate(-0.5, -0.5, -0.5);
        part.scale(0.2, 0.25, 0.1).translate(1.0 / 3, -2.0 / 3, 0);
        addMirror(part);
        part.translate(0, 0, 1.5);
        merge(part);
    }
    {  // Magenta lamps on the back.
        BoxMesh part(true, 1, 1, 1);
        part.paint(Magenta).shade(divided(Magenta, 2)).translate(-0.5, -0.5, -0.5);
        part.scale(0.1, 1.0 / 3, 0.1).translate(0.4, -0.5, 0);
        addMirror(part);
        part.translate(0, 0, -1.5);
        merge(part);
    }

    for (const auto& vertex : vertices()) {
        shape(*vertex);
    }
    ::Mesh::scale(1, 0.5, 1.0 / 3).scale(scale, 0.8 * scale, scale).translateY(0.2 * scale);
}

RAF::RAF(const Color& color, double scale) : body(color, scale) {}

void RAF::drawWheels() {
    const double angle = std::numbers::pi * stage().stageTime();
    body.wheels.drawAt(wheelRadius(), angle);
    // The rear axle sits a hair past 1.2 wheel radii behind: one unit in the last place beyond -1.2.
    body.wheels.drawAt(wheelRadius() * -1.2000000000000002, angle);
}
