#pragma once

#include "geometry/box_mesh.h"
#include "geometry/color.h"
#include "geometry/cylinder_mesh.h"
#include "geometry/vector.h"
#include "geometry/vertex.h"
#include "models/car.h"

// A tracked combat vehicle at a given size and body colour: the sloped hull is the mesh itself, and the
// turret, the barrel and an axle of wide wheels are meshes of their own, so that an owner draws each under
// its own transform. Front is +Z, top +Y.
class TankMesh : public BoxMesh {
  public:
    // The turret: an eight-sided drum, narrower at the top, with a flat side facing forward.
    class Head : public CylinderMesh {
      public:
        Head(const Color& color, double size);

        // Where the turret's base centre sits on the hull.
        Vector offset;
    };

    // The barrel: a twelve-sided tube along +Z from its breech at the origin, closed at its muzzle.
    class Gun : public CylinderMesh {
      public:
        Gun(const Color& color, double size);

        // Lights the muzzle, for a shot.
        Gun& setMuzzleColor(const Color& c);

        // Where the breech sits on the turret.
        Vector offset;
        // The centre of the muzzle disc.
        Vertex* muzzle = nullptr;
    };

    TankMesh(const Color& color, double size);

    double scale;
    Car::Wheels wheels;
    Head head;
    Gun gun;
};
