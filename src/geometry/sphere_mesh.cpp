#include "geometry/sphere_mesh.h"

#include <cmath>

SphereMesh::SphereMesh(unsigned segments, unsigned rows) : CylinderMesh(segments, rows, false, false) {
    if (rows == 0) {
        clear();
        return;
    }
    const double r = rows * 0.5;
    for (const auto& v : vertices()) {
        double k = std::sqrt(r * r - (v->y - r) * (v->y - r)) / r * 0.5;
        v->multiply(Vector(k, 1, k));
    }
    // The bottom and top rings collapse onto their poles.
    weld(0.001);
    scale(1, 1.0 / rows, 1);
}
