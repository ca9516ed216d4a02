#pragma once

#include "geometry/grid_mesh.h"

// The surface of [0, w] x [0, h] x [0, d] in white unit squares, facing outward; without the faces at
// y = 0 and y = h unless closed. Faces come in the order z = 0, z = d, x = w, x = 0, y = h, y = 0.
class BoxMesh : public GridMesh {
  public:
    BoxMesh(bool closed, unsigned w, unsigned h, unsigned d);
};
