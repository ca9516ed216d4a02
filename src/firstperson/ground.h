#pragma once

#include "geometry/color.h"
#include "geometry/mesh.h"
#include "scene/mesh_object.h"

// The ground made visible: a grid of lines on y = 0, one unit apart, inside a ring at the world's edge, and
// beyond the ring a plain that runs on past the far plane, so that the horizon is never empty. Fixed and
// passive scenery: it never moves and nothing collides with it; the ring stays the edge.
class Ground : public MeshObject {
  public:
    class Mesh : public ::Mesh {
      public:
        // radius is the world's edge; the grid is drawn in grid, the ring in edge, the plain in beyond.
        Mesh(double radius, const Color& grid, const Color& edge, const Color& beyond);
    };

    Ground(double radius, const Color& grid, const Color& edge, const Color& beyond);

    bool isFixed() const override { return true; }
    bool isPassive() const override { return true; }
    const ::Mesh& mesh() const override { return surface; }
    // The plain lies in the plane of the ring: it is drawn a little behind, so that the ring stays whole.
    void drawMesh() override;

    Mesh surface;
};
