#include "models/garden_tree.h"

#include <numbers>

namespace Garden {

Tree::Mesh::Leaf::Leaf() {
    rotateZ(-std::numbers::pi / 4);
    paint(Color(Cyan).divide(4));
    const Vector tip(0, 2.125, 0.5);
    moveNearestVertex(Vector(0, 1.5, 2.125), tip);
    paintNearestVertex(tip, Cyan);
}

Tree::Mesh::Mesh(unsigned levels) : LineMesh(0, 0, 0, 1, 0, 0) {
    constexpr double pi = std::numbers::pi;
    rotateZ(-pi / 2).paint(Cyan);
    // The unit segment of trunk between two levels.
    std::unique_ptr<::Mesh> trunk = levels > 1 ? copy() : nullptr;

    Leaf leaf;
    leaf.translate(AxisY).rotateY(pi / 4);
    merge(leaf);
    // One twig leaning 45 degrees toward +X with its leaf at the tip, then its mirror toward -X.
    snap(10).scale(0.5).rotateZ(pi / 4);
    merge(copy()->rotateY(pi));

    // Each further level: one more unit of trunk, and the V raised a unit and turned a quarter turn.
    auto unit = copy();
    for (unsigned level = 1; level < levels; ++level) {
        unit->translate(AxisY).rotateY(pi / 2);
        merge(*trunk);
        merge(*unit);
        trunk->translate(AxisY);
    }
    for (unsigned level = 0; level < levels; ++level) {
        paintNearestVertex(Vector(0, level, 0), White);
    }
    jitter(0.125).center().shade(Black);
}

Tree::Tree(unsigned levels) : body(levels) {}

}  // namespace Garden
