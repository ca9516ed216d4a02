#pragma once

#include "geometry/cylinder_mesh.h"
#include "geometry/triangle_mesh.h"
#include "scene/mesh_object.h"

// The enemy triplane: a small magenta fuselage with three stacked wings, a tailplane, a fin and landing
// gear, and a two-bladed propeller that turns in front of its nose on the scene clock. Its nose is local
// +Z. It only looks like an aircraft: flying and fighting are added on top of it.
class Fokker : public MeshObject {
  public:
    // The airframe; the fuselage is the cylinder. Built at a scale factor applied to the whole model.
    class Mesh : public CylinderMesh {
      public:
        // Two opposite cyan blades, dark at their roots, turning about local Z.
        class Prop : public TriangleMesh {
          public:
            explicit Prop(double size);
        };

        explicit Mesh(double size);

        Prop prop;
        // The tip of the propeller shaft, a vertex of this mesh, about which the propeller turns; null
        // leaves the propeller undrawn.
        Vector* hub = nullptr;
    };

    explicit Fokker(double size);

    const ::Mesh& mesh() const override { return body; }
    // The airframe, then the propeller at the hub, turning five times a second.
    void drawMesh() override;

    Mesh body;
};
