#include "models/tanks_tree.h"

#include <numbers>

namespace Tanks {

Tree::Mesh::Mesh(unsigned levels, double tilt) : ConeMesh(7, 1.0, false) {
    constexpr double pi = std::numbers::pi;
    // Counted in doubles, so that no levels at all leaves a plain trunk.
    const double count = levels;
    // The trunk reaches a sixth below the tip of the top layer.
    scale(0.25, (count - 1) / 3 + 1.5 - 1.0 / 6, 0.25).shade(Black);

    ConeMesh layer(7, 1.0, false);
    layer.paint(Color(Cyan).scale(0.75)).shade(Black).translateY(-1);
    for (unsigned i = 0; i < levels; ++i) {
        auto m = layer.copy();
        const double a = 1 / (0.25 * i + 1);
        // Odd layers turn by half the angle between two segments.
        m->scale(a, 0.9, a).rotateY(i % 2 == 1 ? pi / 7 : 0).rotateX(tilt).translateY(i / 3.0 + 1.5);
        merge(*m);
    }
    // Centres the height on the origin, so that a tree placed on the ground stands on its trunk's base.
    const Bounds b = bounds();
    translateY(-(b.min.y + b.max.y) / 2);
}

Tree::Tree(unsigned levels, double tilt) : body(levels, tilt) {}

}  // namespace Tanks
