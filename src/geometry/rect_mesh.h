#pragma once

#include "geometry/triangle_mesh.h"

// The white unit square [0, 1] x [0, 1] at z = 0, two triangles facing -Z.
class RectMesh : public TriangleMesh {
  public:
    RectMesh();
};
