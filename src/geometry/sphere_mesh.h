#pragma once

#include "geometry/cylinder_mesh.h"

// A white sphere of diameter 1 from the origin up to (0, 1, 0), in rows bands of equal height, facing
// outward. A sphere of no segments or no rows is empty.
class SphereMesh : public CylinderMesh {
  public:
    SphereMesh(unsigned segments, unsigned rows);
};
