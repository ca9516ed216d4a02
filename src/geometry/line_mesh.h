#pragma once

#include "geometry/mesh.h"

// One white line from (x1, y1, z1) to (x2, y2, z2); the end point is the first vertex.
class LineMesh : public Mesh {
  public:
    LineMesh(double x1, double y1, double z1, double x2, double y2, double z2);
};
