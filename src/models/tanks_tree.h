#pragma once

#include "geometry/cone_mesh.h"
#include "models/tree.h"

namespace Tanks {

// A conifer: stacked cones, narrower toward the top and staggered by half a segment, on a cone trunk.
class Tree : public ::Tree {
  public:
    class Mesh : public ConeMesh {
      public:
        // levels layers a third of a unit apart, each tipped by tilt radians about X; centred on the origin.
        Mesh(unsigned levels, double tilt);
    };

    Tree(unsigned levels, double tilt);

    const ::Mesh& mesh() const override { return body; }

    Mesh body;
};

}  // namespace Tanks
