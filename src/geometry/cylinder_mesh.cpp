#include "geometry/cylinder_mesh.h"

#include <numbers>

#include "geometry/cone_mesh.h"

CylinderMesh::CylinderMesh(unsigned segments, unsigned rows, bool top, bool bottom) {
    if (segments == 0) {
        clear();
        return;
    }
    const double step = -2 * std::numbers::pi / segments;
    for (const auto& v : vertices()) {
        if (v->x == 0) {
            v->x = 1;
            v->rotateY(step);
        }
    }
    auto panel = copy();
    for (unsigned i = 1; i < segments; ++i) {
        merge(panel->rotateY(step));
    }
    if (rows > 1) {
        auto ring = copy();
        for (unsigned i = 1; i < rows; ++i) {
            merge(ring->translate(AxisY));
        }
    }
    if (top || bottom) {
        ConeMesh disc(segments, 0, false);
        disc.translate(0, rows, 0);
        if (top) {
            merge(disc);
        }
        if (bottom) {
            merge(disc.rotateX(std::numbers::pi).translate(0, rows, 0));
        }
    }
}
