#pragma once

#include "geometry/line_mesh.h"

// A regular polygon of unit radius in the plane y = 0, made of n lines, with corners
// (cos(2 pi k / n), 0, -sin(2 pi k / n)) visited from k = 0. A ring of no segments is empty.
class RingMesh : public LineMesh {
  public:
    explicit RingMesh(unsigned n);
};
