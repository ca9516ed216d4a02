#pragma once

#include "geometry/line_mesh.h"
#include "geometry/rect_mesh.h"
#include "models/tree.h"

namespace Garden {

// A thin trunk carrying, at every level, a V of two leafy twigs turned a quarter turn from the one below.
class Tree : public ::Tree {
  public:
    class Mesh : public LineMesh {
      public:
        // A dark diamond leaf drawn out to a bright tip bent toward +Z, standing on its corner at the origin.
        class Leaf : public RectMesh {
          public:
            Leaf();
        };

        // levels trunk nodes one unit apart, jittered at random, centred on the origin and darkening toward
        // the bottom; one level is just the V of twigs.
        explicit Mesh(unsigned levels);
    };

    explicit Tree(unsigned levels);

    const ::Mesh& mesh() const override { return body; }

    Mesh body;
};

}  // namespace Garden
