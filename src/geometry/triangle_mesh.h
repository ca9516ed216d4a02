#pragma once

#include "geometry/mesh.h"

// The white triangle (0, 0, 0), (0, 1, 0), (1, 0, 0), facing -Z.
class TriangleMesh : public Mesh {
  public:
    TriangleMesh();
};
