#include "geometry/ring_mesh.h"

#include <numbers>

RingMesh::RingMesh(unsigned n) : LineMesh(0, 0, 0, 1, 0, 0) {
    if (n == 0) {
        clear();
        return;
    }
    const double step = -2 * std::numbers::pi / n;
    moveNearestVertex(AxisX, Vector(AxisX).rotateY(step));
    moveNearestVertex(Origin, AxisX);
    auto segment = copy();
    for (unsigned i = 1; i < n; ++i) {
        merge(segment->rotateY(step));
    }
}
