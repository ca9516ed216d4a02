#pragma once

#include "geometry/color.h"
#include "geometry/mesh.h"
#include "scene/mesh_object.h"

// The ground made visible: a grid of lines on y = 0, one unit apart, inside a ring at the world's edge.
// Fixed and passive scenery: it never moves and nothing collides with it.
class Ground : public MeshObject {
  public:
    class Mesh : public ::Mesh {
      public:
        // radius is the world's edge; the grid is drawn in grid, the ring in edge.
        Mesh(double radius, const Color& grid, const Color& edge);
    };

    Ground(double radius, const Color& grid, const Color& edge);

    bool isFixed() const override { return true; }
    bool isPassive() const override { return true; }
    const ::Mesh& mesh() const override { return lines; }

    Mesh lines;
};
