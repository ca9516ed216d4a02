#pragma once

#include "geometry/mesh.h"

// A white cone over the unit circle in the plane y = 0 with its apex at (0, height, 0), its sides facing
// outward; closed adds the base facing -Y. A cone of no segments is empty.
class ConeMesh : public Mesh {
  public:
    ConeMesh(unsigned segments, double height, bool closed);
};
