#include "geometry/box_mesh.h"

#include <numbers>

BoxMesh::BoxMesh(bool closed, unsigned w, unsigned h, unsigned d) : GridMesh(w, h) {
    constexpr double pi = std::numbers::pi;
    merge(copy()->rotateX(pi).translate(0, h, d));
    GridMesh side(d, h);
    merge(side.rotateY(pi / 2).translate(w, 0, 0));
    merge(side.rotateZ(pi).translate(w, h, 0));
    if (closed) {
        GridMesh end(w, d);
        merge(end.rotateX(-pi / 2).translateY(h));
        merge(end.rotateX(pi).translate(0, h, d));
    }
    // Rounding removes the noise of the rotations and welds the edges together.
    snap(1);
}
