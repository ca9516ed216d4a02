#pragma once

#include "geometry/rect_mesh.h"

// columns x rows white unit squares covering [0, columns] x [0, rows] at z = 0, facing -Z, with shared
// corners; a count of 0 gives the same as 1.
class GridMesh : public RectMesh {
  public:
    GridMesh(unsigned columns, unsigned rows);
};
