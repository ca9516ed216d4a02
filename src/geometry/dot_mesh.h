#pragma once

#include "geometry/mesh.h"

// One white point at the origin.
class DotMesh : public Mesh {
  public:
    DotMesh();
};
