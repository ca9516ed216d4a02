#pragma once

#include "geometry/rect_mesh.h"

// A white tube of radius 1 around the Y axis from y = 0 to y = rows, facing outward, with optional end
// discs; its first wall panel runs from angle 0 toward -Z. A cylinder of no segments is empty.
class CylinderMesh : public RectMesh {
  public:
    CylinderMesh(unsigned segments, unsigned rows, bool top, bool bottom);
};
